#pragma once
// A kettle or zone temperature: a reading in degrees Celsius, or the
// controller's error text for a sensor that gives none. Two values are equal
// when they hold the same alternative with equal contents.

#include <QMetaType>
#include <QString>
#include <QVariant>

#include <variant>

class TemperatureOrError
{
public:
    TemperatureOrError() = default;
    TemperatureOrError(float celsius) : m_value(celsius) {}
    TemperatureOrError(const QString &error) : m_value(error) {}

    bool isError() const { return std::holds_alternative<QString>(m_value); }
    float celsius() const { return isError() ? 0.0f : std::get<float>(m_value); }
    QString error() const { return isError() ? std::get<QString>(m_value) : QString(); }

    // What QML sees: a float variant (not double) for a reading, a string
    // variant for an error text.
    QVariant toVariant() const { return isError() ? QVariant(error()) : QVariant(celsius()); }

    friend bool operator==(const TemperatureOrError &a, const TemperatureOrError &b) { return a.m_value == b.m_value; }
    friend bool operator!=(const TemperatureOrError &a, const TemperatureOrError &b) { return !(a == b); }

private:
    std::variant<float, QString> m_value{0.0f};
};

Q_DECLARE_METATYPE(TemperatureOrError)
