#pragma once
// A list of texts, registered at start-up under the name "StringVector".
// Qt declares QVector<QString> as a metatype itself; declaring it again with
// Q_DECLARE_METATYPE would give the same type a second id in this program.

#include <QString>
#include <QVector>

using StringVector = QVector<QString>;
