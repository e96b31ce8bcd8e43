#include <pybind11/pybind11.h>

#include "shell.h"

#include "binding_helpers.h"
#include "locked.h"
#include "state_objects.h"
#include "types.h"

#include <QElapsedTimer>
#include <QThread>
#include <QTimer>

#include <algorithm>

// ---------------------------------------------------------------------------
// ChangelogEntry

struct ChangelogEntry::Texts
{
    QString name;
    QString date;
    QString distribution;
    QString version;
    QString urgencyStr;
    StringVector changes;
    Shell *shell;
};

ChangelogEntry::ChangelogEntry() : ChangelogEntry(&g_shell) {}

ChangelogEntry::ChangelogEntry(Shell *shell) : m_shell(shell)
{
    connect(this, &ChangelogEntry::urgencyStrChanged, this, &ChangelogEntry::_setColor);
}

ChangelogEntry::ChangelogEntry(const ChangelogEntry &other) : QObject()
{
    // Read the other entry under its lock only; never hold both locks.
    const Texts source = other.texts();
    m_name = source.name;
    m_date = source.date;
    m_distribution = source.distribution;
    m_version = source.version;
    m_urgencyStr = source.urgencyStr;
    m_changes = source.changes;
    m_shell = source.shell;
    connect(this, &ChangelogEntry::urgencyStrChanged, this, &ChangelogEntry::_setColor);
    _setColor();
}

ChangelogEntry &ChangelogEntry::operator=(const ChangelogEntry &other)
{
    if (this != &other)
        assignFrom(other.texts());
    return *this;
}

ChangelogEntry::Texts ChangelogEntry::texts() const
{
    std::lock_guard<QRecursiveMutex> guard(m_lock);
    return Texts{m_name, m_date, m_distribution, m_version, m_urgencyStr, m_changes, m_shell};
}

void ChangelogEntry::assignFrom(const Texts &source)
{
    std::lock_guard<QRecursiveMutex> guard(m_lock);
    m_shell = source.shell;
    setName(source.name);
    setDate(source.date);
    setDistribution(source.distribution);
    setVersion(source.version);
    setUrgencyStr(source.urgencyStr);
    setChanges(source.changes);
    // The Shell may have changed even when the urgency did not.
    _setColor();
}

QColor ChangelogEntry::color() const { return getLocked(m_lock, m_color); }
QString ChangelogEntry::name() const { return getLocked(m_lock, m_name); }
QString ChangelogEntry::date() const { return getLocked(m_lock, m_date); }
QString ChangelogEntry::distribution() const { return getLocked(m_lock, m_distribution); }
QString ChangelogEntry::version() const { return getLocked(m_lock, m_version); }
QString ChangelogEntry::urgencyStr() const { return getLocked(m_lock, m_urgencyStr); }
StringVector ChangelogEntry::changes() const { return getLocked(m_lock, m_changes); }
Shell *ChangelogEntry::shell() const { return getLocked(m_lock, m_shell); }

void ChangelogEntry::setName(const QString &name)
{
    setLocked(m_lock, m_name, name, this, &ChangelogEntry::nameChanged);
}

void ChangelogEntry::setDate(const QString &date)
{
    setLocked(m_lock, m_date, date, this, &ChangelogEntry::dateChanged);
}

void ChangelogEntry::setDistribution(const QString &distribution)
{
    setLocked(m_lock, m_distribution, distribution, this, &ChangelogEntry::distributionChanged);
}

void ChangelogEntry::setVersion(const QString &version)
{
    setLocked(m_lock, m_version, version, this, &ChangelogEntry::versionChanged);
}

void ChangelogEntry::setUrgencyStr(const QString &urgencyStr)
{
    setLocked(m_lock, m_urgencyStr, urgencyStr, this, &ChangelogEntry::urgencyStrChanged);
}

void ChangelogEntry::setChanges(const StringVector &changes)
{
    setLocked(m_lock, m_changes, changes, this, &ChangelogEntry::changesChanged);
}

void ChangelogEntry::_setColor()
{
    std::lock_guard<QRecursiveMutex> guard(m_lock);
    const QColor color = m_shell ? m_shell->colorForUrgency(m_urgencyStr) : QColor();
    setLocked(m_lock, m_color, color, this, &ChangelogEntry::colorChanged);
}

bool ChangelogEntry::operator==(const ChangelogEntry &other) const
{
    if (this == &other)
        return true;
    const Texts a = texts();
    const Texts b = other.texts();
    return a.name == b.name && a.date == b.date && a.distribution == b.distribution && a.version == b.version
        && a.urgencyStr == b.urgencyStr;
}

bool ChangelogEntry::sameContent(const ChangelogEntry &other) const
{
    return *this == other && changes() == other.changes();
}

QString ChangelogEntry::toString() const
{
    const Texts t = texts();
    // One pass: a "%2" inside a value stays as it is.
    return QStringLiteral("name=%1, date=%2, distribution=%3, version=%4, urgency=%5, changes=[")
               .arg(t.name, t.date, t.distribution, t.version, t.urgencyStr)
        + QStringList(t.changes.toList()).join(QStringLiteral(", ")) + QLatin1Char(']');
}

QString ChangelogEntry::repr() const
{
    return QStringLiteral("ChangelogEntry(") + toString() + QLatin1Char(')');
}

QDebug operator<<(QDebug debug, const ChangelogEntry &entry)
{
    QDebugStateSaver saver(debug);
    debug.noquote().nospace() << entry.repr();
    return debug;
}

std::optional<int> changelogVectorIndex(qint64 index, int size, bool countFromEnd)
{
    if (countFromEnd && index < 0)
        index += size;
    if (index < 0 || index >= size)
        return std::nullopt;
    return int(index);
}

QString changelogVectorIndexError(qint64 index, int size)
{
    QString text = QStringLiteral("Ungültiger Index ") + QString::number(index) + QStringLiteral(". ");
    if (size > 0)
        text += QStringLiteral("Gültige Indices sind 0...") + QString::number(size - 1) + QStringLiteral(" (-1...")
            + QString::number(-size) + QStringLiteral(").\n");
    else
        text += QStringLiteral("Der Vector ist leer.\n");
    return text;
}

// ---------------------------------------------------------------------------
// Shell

Shell::Shell()
{
    // Queued to the GUI thread when Python replaced the list.
    connect(this, &Shell::changelogsChanged, this, [this] {
        std::lock_guard<QRecursiveMutex> guard(m_lock);
        syncChangelogCopies();
    });
}

Shell::~Shell()
{
    // At exit there is no event loop left to run pending deleteLater calls.
    for (const QPointer<QObject> &retired : qAsConst(m_retiredCopies))
        delete retired.data();
    delete m_copies;
}

void Shell::queueOutput(const QString &text, bool error)
{
    {
        QMutexLocker guard(&m_outputLock);
        m_output.push_back({text, error});
        if (m_outputScheduled)
            return;
        m_outputScheduled = true;
    }
    if (QThread::currentThread() == thread())
        deliverOutput();
    else
        QMetaObject::invokeMethod(this, &Shell::deliverOutput, Qt::QueuedConnection);
}

void Shell::deliverOutput()
{
    QElapsedTimer slice;
    slice.start();
    for (;;) {
        OutputLine line;
        {
            QMutexLocker guard(&m_outputLock);
            if (m_output.empty()) {
                m_outputScheduled = false;
                return;
            }
            if (slice.elapsed() >= outputSliceMs) {
                // A timer, not a posted call: the event loop first takes
                // what waits (the command socket, input, painting).
                QTimer::singleShot(1, this, &Shell::deliverOutput);
                return;
            }
            line = std::move(m_output.front());
            m_output.pop_front();
        }
        if (line.error)
            Q_EMIT appendStderr(line.text);
        else
            Q_EMIT appendStdout(line.text);
    }
}

QColor Shell::colorUrgencyLow() const { return getLocked(m_lock, m_colorUrgencyLow); }
QColor Shell::colorUrgencyMedium() const { return getLocked(m_lock, m_colorUrgencyMedium); }
QColor Shell::colorUrgencyHigh() const { return getLocked(m_lock, m_colorUrgencyHigh); }
QColor Shell::colorUrgencyOther() const { return getLocked(m_lock, m_colorUrgencyOther); }
bool Shell::testingRepoEnabled() const { return getLocked(m_lock, m_testingRepoEnabled); }
bool Shell::locked() const { return getLocked(m_lock, m_locked); }
QVector<QVariantMap> Shell::installed() const { return getLocked(m_lock, m_installed); }
QVector<ChangelogEntry> Shell::changelogEntries() const { return getLocked(m_lock, m_changelogs); }
QVector<QVariantMap> Shell::upgradables() const { return getLocked(m_lock, m_upgradables); }

QQmlListProperty<ChangelogEntry> Shell::changelogs()
{
    return QQmlListProperty<ChangelogEntry>(this, nullptr, &Shell::changelogCount, &Shell::changelogAt);
}

QColor Shell::colorForUrgency(const QString &urgency) const
{
    if (urgency == QLatin1String("low"))
        return colorUrgencyLow();
    if (urgency == QLatin1String("medium"))
        return colorUrgencyMedium();
    if (urgency == QLatin1String("high"))
        return colorUrgencyHigh();
    return colorUrgencyOther();
}

// The free setLocked is hidden here by the member of that name.
void Shell::setColorUrgencyLow(const QColor &color)
{
    ::setLocked(m_lock, m_colorUrgencyLow, color, this, &Shell::colorUrgencyLowChanged);
}

void Shell::setColorUrgencyMedium(const QColor &color)
{
    ::setLocked(m_lock, m_colorUrgencyMedium, color, this, &Shell::colorUrgencyMediumChanged);
}

void Shell::setColorUrgencyHigh(const QColor &color)
{
    ::setLocked(m_lock, m_colorUrgencyHigh, color, this, &Shell::colorUrgencyHighChanged);
}

void Shell::setColorUrgencyOther(const QColor &color)
{
    ::setLocked(m_lock, m_colorUrgencyOther, color, this, &Shell::colorUrgencyOtherChanged);
}

void Shell::setTestingRepoEnabled(bool enabled)
{
    ::setLocked(m_lock, m_testingRepoEnabled, enabled, this, &Shell::testingRepoEnabledChanged);
}

void Shell::setLocked(bool locked) { ::setLocked(m_lock, m_locked, locked, this, &Shell::lockedChanged); }

void Shell::setInstalled(const QVector<QVariantMap> &installed)
{
    ::setLocked(m_lock, m_installed, installed, this, &Shell::installedChanged);
}

void Shell::setChangelogs(const QVector<ChangelogEntry> &changelogs)
{
    std::lock_guard<QRecursiveMutex> guard(m_lock);
    // By the full content: an entry whose change texts were updated is new.
    if (std::equal(m_changelogs.cbegin(), m_changelogs.cend(), changelogs.cbegin(), changelogs.cend(),
                   [](const ChangelogEntry &a, const ChangelogEntry &b) { return a.sameContent(b); }))
        return;
    m_changelogs = changelogs;
    ++m_changelogsGeneration;
    notifyChanged(this, &Shell::changelogsChanged);
}

void Shell::setUpgradables(const QVector<QVariantMap> &upgradables)
{
    ::setLocked(m_lock, m_upgradables, upgradables, this, &Shell::upgradablesChanged);
}

int Shell::changelogCount(QQmlListProperty<ChangelogEntry> *list)
{
    Shell *self = static_cast<Shell *>(list->object);
    std::lock_guard<QRecursiveMutex> guard(self->m_lock);
    self->syncChangelogCopies();
    return self->m_changelogs.size();
}

ChangelogEntry *Shell::changelogAt(QQmlListProperty<ChangelogEntry> *list, int index)
{
    Shell *self = static_cast<Shell *>(list->object);
    std::lock_guard<QRecursiveMutex> guard(self->m_lock);
    self->syncChangelogCopies();
    if (index < 0 || index >= self->m_changelogs.size())
        return nullptr;
    ChangelogEntry *&copy = self->m_copyAt[index];
    if (!copy) {
        if (!self->m_copies)
            self->m_copies = new QObject;
        // Parented, so the QML engine never takes it over and deletes it
        // while a delegate still holds the pointer.
        copy = new ChangelogEntry(self->m_changelogs.at(index));
        copy->setParent(self->m_copies);
    }
    return copy;
}

// GUI thread, lock held. Starts a new set of copies when the list changed
// since they were made. The old set is deleted only after the event loop has
// gone round once more, so the screens' handlers of changelogsChanged have
// replaced their delegates (whose own deletion is deferred, too) first.
void Shell::syncChangelogCopies()
{
    if (m_copiesGeneration == m_changelogsGeneration && m_copyAt.size() == m_changelogs.size())
        return;
    m_copiesGeneration = m_changelogsGeneration;
    if (m_copies) {
        QObject *old = m_copies;
        m_copies = nullptr;
        m_retiredCopies.erase(std::remove_if(m_retiredCopies.begin(), m_retiredCopies.end(),
                                             [](const QPointer<QObject> &p) { return p.isNull(); }),
                              m_retiredCopies.end());
        m_retiredCopies.append(old);
        QTimer::singleShot(0, old, &QObject::deleteLater);
    }
    m_copyAt.fill(nullptr, m_changelogs.size());
}

QDebug operator<<(QDebug debug, const Shell &shell)
{
    QDebugStateSaver saver(debug);
    QStringList reprs;
    const QVector<ChangelogEntry> entries = shell.changelogEntries();
    for (const ChangelogEntry &entry : entries)
        reprs << entry.repr();
    debug.noquote().nospace() << "Shell([" << reprs.join(QStringLiteral(", ")) << "])";
    return debug;
}

// ---------------------------------------------------------------------------
// Python binding

namespace py = pybind11;

namespace {

using ChangelogEntryVector = QVector<ChangelogEntry>;

// A list whose entries are copies of their own, not shared with the source.
ChangelogEntryVector copyEntries(const ChangelogEntryVector &entries)
{
    ChangelogEntryVector copy;
    copy.reserve(entries.size());
    for (const ChangelogEntry &entry : entries)
        copy.append(entry);
    return copy;
}

// The console shows the latest output only: the log keeps all of it.
void logConsoleOutput(const QString &text, bool error)
{
    logInfo().noquote() << (error ? "[Ausgabekonsole, Fehler]" : "[Ausgabekonsole]") << text;
}

int entryIndex(const ChangelogEntryVector &entries, qint64 index, bool countFromEnd)
{
    const std::optional<int> checked = changelogVectorIndex(index, entries.size(), countFromEnd);
    if (!checked)
        throw py::index_error(changelogVectorIndexError(index, entries.size()).toStdString());
    return *checked;
}

} // namespace

void Shell::prepareModule(py::module_ &m)
{
    // Arguments of bound classes refuse None with a TypeError like any other
    // wrong kind.
    py::class_<ChangelogEntryVector> vector(m, "ChangelogEntryVector");
    vector.def(py::init<>())
        .def(
            "append", [](ChangelogEntryVector &self, const ChangelogEntry &entry) { self.append(entry); },
            py::arg("entry").none(false))
        .def("at", [](const ChangelogEntryVector &self, qint64 i) { return self.at(entryIndex(self, i, false)); })
        .def("size", [](const ChangelogEntryVector &self) { return self.size(); })
        .def("__len__", [](const ChangelogEntryVector &self) { return self.size(); })
        .def("__bool__", [](const ChangelogEntryVector &self) { return !self.isEmpty(); })
        .def("__getitem__",
             [](const ChangelogEntryVector &self, qint64 i) { return self.at(entryIndex(self, i, true)); })
        .def(
            "__setitem__",
            [](ChangelogEntryVector &self, qint64 i, const ChangelogEntry &entry) {
                self[entryIndex(self, i, true)] = entry;
            },
            py::arg("i"), py::arg("entry").none(false));

    py::enum_<ShellAction> action(m, "ShellActionEnum");
    action.value("Update", Update)
        .value("Upgrade", Upgrade)
        .value("Changelog", Changelog)
        .value("LocalChangelog", LocalChangelog)
        .value("ClearCache", ClearCache)
        .value("TestConsole", TestConsole)
        .value("ToggleTesting", ToggleTesting);
    TAVELL_ASSERT_ENUM_ENTRIES(action, ShellActionEnumCount);

    // Python refers to the one global object only and never deletes it.
    py::class_<Shell, std::unique_ptr<Shell, py::nodelete>> cls(m, "ShellClass");
    cls.def_property("color_urgency_low", &Shell::colorUrgencyLow, &Shell::setColorUrgencyLow)
        .def_property("color_urgency_medium", &Shell::colorUrgencyMedium, &Shell::setColorUrgencyMedium)
        .def_property("color_urgency_high", &Shell::colorUrgencyHigh, &Shell::setColorUrgencyHigh)
        .def_property("color_urgency_other", &Shell::colorUrgencyOther, &Shell::setColorUrgencyOther)
        .def_property("testing_repo_enabled", &Shell::testingRepoEnabled, &Shell::setTestingRepoEnabled)
        .def_property("locked", &Shell::locked, &Shell::setLocked)
        .def_property("installed", &Shell::installed, &Shell::setInstalled)
        .def_property(
            "changelogs", [](const Shell &self) { return copyEntries(self.changelogEntries()); },
            py::cpp_function(
                [](Shell &self, const ChangelogEntryVector &entries) { self.setChangelogs(copyEntries(entries)); },
                py::is_method(cls), py::arg("value").none(false)))
        .def_property("upgradables", &Shell::upgradables, &Shell::setUpgradables)
        .def(
            "append_stderr",
            [](Shell &self, const py::object &text) {
                const QString line = textArgument(text);
                logConsoleOutput(line, true);
                self.queueOutput(line, true);
            },
            py::arg("text"))
        .def(
            "append_stdout",
            [](Shell &self, const py::object &text) {
                const QString line = textArgument(text);
                logConsoleOutput(line, false);
                self.queueOutput(line, false);
            },
            py::arg("text"));

    m.attr("Shell") = py::cast(&g_shell, py::return_value_policy::reference);

    py::class_<ChangelogEntry> entry(m, "ChangelogEntry");
    entry.def(py::init([](Shell &shell) { return new ChangelogEntry(&shell); }), py::arg().none(false))
        .def(py::init<const ChangelogEntry &>(), py::arg().none(false))
        .def("__str__", &ChangelogEntry::toString)
        .def("__repr__", &ChangelogEntry::repr)
        .def(
            "__eq__", [](const ChangelogEntry &self, const ChangelogEntry &other) { return self == other; },
            py::is_operator())
        .def_property("name", &ChangelogEntry::name, &ChangelogEntry::setName)
        .def_property("date", &ChangelogEntry::date, &ChangelogEntry::setDate)
        .def_property("distribution", &ChangelogEntry::distribution, &ChangelogEntry::setDistribution)
        .def_property("version", &ChangelogEntry::version, &ChangelogEntry::setVersion)
        .def_property("urgency_str", &ChangelogEntry::urgencyStr, &ChangelogEntry::setUrgencyStr)
        .def_property("changes", &ChangelogEntry::changes, [](ChangelogEntry &self, const py::object &value) {
            self.setChanges(loadSequence<StringVector>(value));
        });
}
