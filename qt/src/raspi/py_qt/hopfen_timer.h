#pragma once
// Hop-addition display of the boiling step. Written by the worker thread (the
// controller, through tavell.hopfentimer); read by the screens on the GUI
// thread. The recursive lock covers every notifying field: getters and
// setters take it; a change is announced on the GUI thread, at most one
// queued notice per signal (change_notice.h). statusDefault never changes and
// is read without the lock.

#include <QObject>
#include <QRecursiveMutex>
#include <QString>

#include "locked.h"

namespace pybind11 { class module_; }

class HopfenTimer : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString str1 READ str1 NOTIFY str1Changed)
    Q_PROPERTY(QString str2 READ str2 NOTIFY str2Changed)
    Q_PROPERTY(QString str3 READ str3 NOTIFY str3Changed)
    Q_PROPERTY(QString str4 READ str4 NOTIFY str4Changed)
    Q_PROPERTY(QString str5 READ str5 NOTIFY str5Changed)
    Q_PROPERTY(QString status READ status NOTIFY statusChanged)
    Q_PROPERTY(QString statusDefault READ statusDefault CONSTANT)
    Q_PROPERTY(bool alarm READ alarm NOTIFY alarmChanged)
    Q_PROPERTY(bool success READ success NOTIFY successChanged)
    Q_PROPERTY(int current READ current NOTIFY currentChanged)
    Q_PROPERTY(bool vwDone READ vwDone NOTIFY vwDoneChanged)
    Q_PROPERTY(bool wpDone READ wpDone NOTIFY wpDoneChanged)

public:
    HopfenTimer() = default;

    static void prepareModule(pybind11::module_ &m);

    QString str1() const { return getLocked(m_lock, m_str1); }
    QString str2() const { return getLocked(m_lock, m_str2); }
    QString str3() const { return getLocked(m_lock, m_str3); }
    QString str4() const { return getLocked(m_lock, m_str4); }
    QString str5() const { return getLocked(m_lock, m_str5); }
    QString status() const { return getLocked(m_lock, m_status); }
    QString statusDefault() const { return m_statusDefault; }
    bool alarm() const { return getLocked(m_lock, m_alarm); }
    bool success() const { return getLocked(m_lock, m_success); }
    int current() const { return getLocked(m_lock, m_current); }
    bool vwDone() const { return getLocked(m_lock, m_vwDone); }
    bool wpDone() const { return getLocked(m_lock, m_wpDone); }

    void setStr1(const QString &value);
    void setStr2(const QString &value);
    void setStr3(const QString &value);
    void setStr4(const QString &value);
    void setStr5(const QString &value);
    void setStatus(const QString &value);
    void setAlarm(bool value);
    void setSuccess(bool value);
    void setCurrent(int value);
    void setVwDone(bool value);
    void setWpDone(bool value);

    // Index 0 to 4 sets str1 to str5; any other index stores nothing and is
    // logged at critical level.
    void setStrIndexed(int index, const QString &text);

Q_SIGNALS:
    void str1Changed();
    void str2Changed();
    void str3Changed();
    void str4Changed();
    void str5Changed();
    void statusChanged();
    void alarmChanged();
    void successChanged();
    void currentChanged();
    void vwDoneChanged();
    void wpDoneChanged();

private:
    template <typename T>
    void store(T &field, const T &value, void (HopfenTimer::*changed)())
    {
        setLocked(m_lock, field, value, this, changed);
    }

    mutable QRecursiveMutex m_lock;
    QString m_str1;
    QString m_str2;
    QString m_str3;
    QString m_str4;
    QString m_str5;
    QString m_status = QStringLiteral("Automatik noch nicht gestartet");
    const QString m_statusDefault = QStringLiteral("Automatik noch nicht gestartet");
    bool m_alarm = false;
    bool m_success = false;
    int m_current = 0;
    bool m_vwDone = false;
    bool m_wpDone = false;
};
