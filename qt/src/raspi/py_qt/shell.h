#pragma once
// Software-update state for the updates tab.
//
// Shell is written by the worker thread (the controller through Python) and
// read by the screens on the GUI thread; its lock covers the nine values and
// changes are announced on the GUI thread (change_notice.h). The changelogs
// list property is GUI-thread only: it hands the screens copies of the stored
// entries, owned by Shell and released once the list has changed and the
// screens have moved on. Output lines of the update runs (appendStdout,
// appendStderr) are queued under their own lock and announced on the GUI
// thread in call order, a few milliseconds' worth at a time, so a run that
// writes thousands of lines at once leaves the screen answering in between.
//
// ChangelogEntry is a value-like QObject so lists can hold it by value. Its
// lock covers the six texts and the colour; it lives on the thread that made
// it (the worker for Python's entries and the stored list, the GUI thread for
// the screens' copies). Its colour follows urgencyStr and the Shell's colours
// at that moment; a later change of the Shell's colours does not reach it.

#include <QColor>
#include <QMutex>
#include <QDebug>
#include <QJSValue>
#include <QMetaType>
#include <QObject>
#include <QPointer>
#include <QQmlListProperty>
#include <QRecursiveMutex>
#include <QString>
#include <QVariantMap>
#include <QVector>

#include <deque>
#include <optional>

#include "string_vector.h"

namespace pybind11 { class module_; }

class Shell;

class ChangelogEntry : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QColor color READ color NOTIFY colorChanged)
    Q_PROPERTY(QString name READ name NOTIFY nameChanged)
    Q_PROPERTY(QString date READ date NOTIFY dateChanged)
    Q_PROPERTY(QString distribution READ distribution NOTIFY distributionChanged)
    Q_PROPERTY(QString version READ version NOTIFY versionChanged)
    Q_PROPERTY(QString urgencyStr READ urgencyStr NOTIFY urgencyStrChanged)
    Q_PROPERTY(StringVector changes READ changes NOTIFY changesChanged)

public:
    // For the screens only; urgency travels as the text urgencyStr.
    enum Urgency { Low, Medium, High, Other, UrgenyEnumCount };
    Q_ENUM(Urgency)

    // Uses the global Shell's colours.
    ChangelogEntry();
    explicit ChangelogEntry(Shell *shell);
    // The copy gets its own lock; its colour is computed anew, not copied.
    ChangelogEntry(const ChangelogEntry &other);
    ChangelogEntry &operator=(const ChangelogEntry &other);

    QColor color() const;
    QString name() const;
    QString date() const;
    QString distribution() const;
    QString version() const;
    QString urgencyStr() const;
    StringVector changes() const;
    Shell *shell() const;

    void setName(const QString &name);
    void setDate(const QString &date);
    void setDistribution(const QString &distribution);
    void setVersion(const QString &version);
    void setUrgencyStr(const QString &urgencyStr);
    void setChanges(const StringVector &changes);

    // Equal when the five texts are; changes, Shell and colour do not count.
    bool operator==(const ChangelogEntry &other) const;
    bool operator!=(const ChangelogEntry &other) const { return !(*this == other); }
    // Equal in the five texts and the changes: what the store compares.
    bool sameContent(const ChangelogEntry &other) const;

    // "name=…, date=…, distribution=…, version=…, urgency=…, changes=[…, …]"
    QString toString() const;
    // "ChangelogEntry(" + toString() + ")"
    QString repr() const;

Q_SIGNALS:
    void nameChanged();
    void dateChanged();
    void distributionChanged();
    void versionChanged();
    void urgencyStrChanged();
    void changesChanged();
    void colorChanged();

public Q_SLOTS:
    void _setColor();

private:
    struct Texts;
    Texts texts() const;
    void assignFrom(const Texts &texts);

    QString m_name;
    QString m_date;
    QString m_distribution;
    QString m_version;
    QString m_urgencyStr;
    StringVector m_changes;
    mutable QRecursiveMutex m_lock;
    Shell *m_shell = nullptr;
    QColor m_color;
};

Q_DECLARE_METATYPE(ChangelogEntry)

QDebug operator<<(QDebug debug, const ChangelogEntry &entry);

// Index into a ChangelogEntryVector of the given size. With countFromEnd a
// negative index counts from the end. Empty when the index is out of range.
std::optional<int> changelogVectorIndex(qint64 index, int size, bool countFromEnd);
// The IndexError text for an index (as the caller gave it) out of range.
QString changelogVectorIndexError(qint64 index, int size);

class Shell : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QColor colorUrgencyLow READ colorUrgencyLow NOTIFY colorUrgencyLowChanged)
    Q_PROPERTY(QColor colorUrgencyMedium READ colorUrgencyMedium NOTIFY colorUrgencyMediumChanged)
    Q_PROPERTY(QColor colorUrgencyHigh READ colorUrgencyHigh NOTIFY colorUrgencyHighChanged)
    Q_PROPERTY(QColor colorUrgencyOther READ colorUrgencyOther NOTIFY colorUrgencyOtherChanged)
    Q_PROPERTY(bool testingRepoEnabled READ testingRepoEnabled NOTIFY testingRepoEnabledChanged)
    Q_PROPERTY(bool locked READ locked NOTIFY lockedChanged)
    Q_PROPERTY(QVector<QVariantMap> installed READ installed NOTIFY installedChanged)
    Q_PROPERTY(QQmlListProperty<ChangelogEntry> changelogs READ changelogs NOTIFY changelogsChanged)
    Q_PROPERTY(QVector<QVariantMap> upgradables READ upgradables NOTIFY upgradablesChanged)

public:
    enum ShellAction : int {
        Update,
        Upgrade,
        Changelog,
        LocalChangelog,
        ClearCache,
        TestConsole,
        ToggleTesting,
        ShellActionEnumCount
    };
    Q_ENUM(ShellAction)

    Shell();
    ~Shell() override;

    // Fills tavell.shell; runs on the interpreter's thread when tavell is imported.
    static void prepareModule(pybind11::module_ &m);

    QColor colorUrgencyLow() const;
    QColor colorUrgencyMedium() const;
    QColor colorUrgencyHigh() const;
    QColor colorUrgencyOther() const;
    bool testingRepoEnabled() const;
    bool locked() const;
    QVector<QVariantMap> installed() const;
    QQmlListProperty<ChangelogEntry> changelogs();
    // The stored entries, as a list of their own (for Python).
    QVector<ChangelogEntry> changelogEntries() const;
    QVector<QVariantMap> upgradables() const;

    // The colour an entry with this urgency text takes: exact, case-sensitive.
    QColor colorForUrgency(const QString &urgency) const;

    // Called by the Python binding only.
    void setColorUrgencyLow(const QColor &color);
    void setColorUrgencyMedium(const QColor &color);
    void setColorUrgencyHigh(const QColor &color);
    void setColorUrgencyOther(const QColor &color);
    void setTestingRepoEnabled(bool enabled);
    void setLocked(bool locked);
    void setInstalled(const QVector<QVariantMap> &installed);
    void setChangelogs(const QVector<ChangelogEntry> &changelogs);
    void setUpgradables(const QVector<QVariantMap> &upgradables);
    // A line of an update run's output for the screens, from any thread.
    void queueOutput(const QString &text, bool error);

    // The GUI thread announces queued output for this long before it lets
    // other events in.
    static constexpr int outputSliceMs = 10;

Q_SIGNALS:
    void colorUrgencyLowChanged();
    void colorUrgencyMediumChanged();
    void colorUrgencyHighChanged();
    void colorUrgencyOtherChanged();
    void testingRepoEnabledChanged();
    void lockedChanged();
    void installedChanged();
    void changelogsChanged();
    void upgradablesChanged();

    void appendStdout(const QString &text);
    void appendStderr(const QString &text);
    void toPy(Shell::ShellAction action, const QJSValue &value);

private:
    static int changelogCount(QQmlListProperty<ChangelogEntry> *list);
    static ChangelogEntry *changelogAt(QQmlListProperty<ChangelogEntry> *list, int index);
    void syncChangelogCopies();
    void deliverOutput();

    mutable QRecursiveMutex m_lock;
    QColor m_colorUrgencyLow;
    QColor m_colorUrgencyMedium;
    QColor m_colorUrgencyHigh;
    QColor m_colorUrgencyOther;
    bool m_testingRepoEnabled = false;
    bool m_locked = false;
    QVector<QVariantMap> m_installed;
    QVector<ChangelogEntry> m_changelogs;
    QVector<QVariantMap> m_upgradables;

    // Copies handed to the screens (GUI thread): one per index of the list
    // generation they came from, children of m_copies. Older generations wait
    // in m_retiredCopies until the event loop has let the screens drop them.
    quint64 m_changelogsGeneration = 0;
    quint64 m_copiesGeneration = 0;
    QObject *m_copies = nullptr;
    QVector<ChangelogEntry *> m_copyAt;
    QVector<QPointer<QObject>> m_retiredCopies;

    struct OutputLine
    {
        QString text;
        bool error = false;
    };
    QMutex m_outputLock;
    std::deque<OutputLine> m_output;
    bool m_outputScheduled = false;
};

QDebug operator<<(QDebug debug, const Shell &shell);

using ShellAction = Shell::ShellAction;
