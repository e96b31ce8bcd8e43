#pragma once
// Screen-state object. page, indicateScrollable and controlsEnabled are
// written by the worker thread (Python, interpreter start-up) and read by the
// screens on the GUI thread: the recursive lock covers these three fields, and
// their changes are announced on the GUI thread (change_notice.h). title and
// fullscreen are written and read on the GUI thread only (start-up, command
// socket, screens) and need no lock. The remaining signals carry requests between the
// controller and the screens; the object stores nothing for them.

#include <QJSValue>
#include <QObject>
#include <QRecursiveMutex>
#include <QString>
#include <QVariant>

namespace pybind11 { class module_; }

class Gui : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString title READ title WRITE setTitle NOTIFY titleChanged)
    Q_PROPERTY(bool fullscreen READ fullscreen WRITE setFullscreen NOTIFY fullscreenChanged)
    Q_PROPERTY(int scaleFactor READ scaleFactor CONSTANT)
    Q_PROPERTY(PageEnum page READ page NOTIFY pageChanged)
    Q_PROPERTY(bool indicateScrollable READ indicateScrollable NOTIFY indicateScrollableChanged)
    Q_PROPERTY(bool controlsEnabled READ controlsEnabled NOTIFY controlsEnabledChanged)

public:
    // Fixed to int: Python may construct any int as a member (PageEnum(1000)).
    // Such a page is stored like any other; the screens log that they have
    // no page for it.
    enum PageEnum : int {
        Auto1,
        Auto2,
        Report,
        Recipes,
        Settings,
        Updates,
        UpdatesShell,
        PageEnumCount
    };
    Q_ENUM(PageEnum)

    enum SchemaEnum : int {
        Auto1X1,
        Auto1X2,
        Auto2X1,
        Auto2X2,
        SchemaEnumCount
    };
    Q_ENUM(SchemaEnum)

    enum IconEnum : int {
        IconSaved,
        IconSmiley,
        IconInfo,
        IconEnumCount
    };
    Q_ENUM(IconEnum)

    enum ColorEnum : int {
        ColorTransparent,
        ColorGreen,
        ColorEnumCount
    };
    Q_ENUM(ColorEnum)

    enum PopupEnum : int {
        PopupFullen,
        PopupRecovery,
        PopupEnumCount
    };
    Q_ENUM(PopupEnum)

    enum GuiValueEnum : int {
        DeleteWarnings,
        FlashPico,
        PopupOpened,
        DialogData,
        GuiValueEnumCount
    };
    Q_ENUM(GuiValueEnum)

    Gui() = default;

    QString title() const { return m_title; }
    bool fullscreen() const { return m_fullscreen; }
    int scaleFactor() const { return 2; }
    PageEnum page() const;
    bool indicateScrollable() const;
    bool controlsEnabled() const;

    // Written by the controller and the worker, never by the screens.
    void setPage(PageEnum page);
    void setIndicateScrollable(bool indicate);
    void setControlsEnabled(bool enabled);

    // Icon shown by a toast; an unknown icon gives an invalid variant, so the
    // toast keeps the icon it showed last.
    static QVariant toastIconUrl(IconEnum icon);

    // Fills tavell.gui. Runs on the interpreter's thread at its import.
    static void prepareModule(pybind11::module_ &m);

    Q_INVOKABLE void deleteWarnings();

public Q_SLOTS:
    void setTitle(const QString &title);
    void setFullscreen(bool fullscreen);

Q_SIGNALS:
    void pageChanged();
    void indicateScrollableChanged();
    void controlsEnabledChanged();
    void changedPage(PageEnum page);
    void changeSchema(SchemaEnum schema);
    void closeDialog(int id, bool accept);
    void closeCurrentDialog(bool accept);
    void toastNotify(const QString &text, const QVariant &iconUrl, ColorEnum color, int duration);
    void toastWarn(const QString &text, int duration);
    void setWarningsDialogData(int count, const QString &title, const QString &text, const QString &yesTxt);
    void setPicoStdout(const QString &text);
    void setPicoStderr(const QString &text);
    void setPicoReturnValue(int value);
    void showPoweroffDialog();
    void requestPopup(PopupEnum which, int id);
    // id 0 lets the dialog frame pick one.
    void message(const QString &title, const QString &text, const QString &category, int id = 0);
    void question(const QString &title, const QString &text, const QVariant &options);
    void titleChanged();
    void fullscreenChanged(bool fullscreen);
    void toPy(GuiValueEnum action, const QJSValue &value);
    void _toPyQVar(GuiValueEnum action, const QVariant &value);

private:
    mutable QRecursiveMutex m_lock;
    PageEnum m_page = Auto1;
    bool m_indicateScrollable = false;
    bool m_controlsEnabled = false;
    QString m_title;
    bool m_fullscreen = false;
};

// The worker's slots spell these without the class.
using GuiValueEnum = Gui::GuiValueEnum;
using PageEnum = Gui::PageEnum;
