#pragma once
// Screen-state object. Written by the worker thread (Python) and by the GUI
// thread (start-up, command socket); read by the screens on the GUI thread.
// The lock covers page, indicateScrollable and controlsEnabled; title and
// fullscreen are only touched on the GUI thread.

#include <QObject>
#include <QRecursiveMutex>
#include <QString>

class Gui : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString title READ title WRITE setTitle NOTIFY titleChanged)
    Q_PROPERTY(bool fullscreen READ fullscreen WRITE setFullscreen NOTIFY fullscreenChanged)
    Q_PROPERTY(int scaleFactor READ scaleFactor CONSTANT)
    Q_PROPERTY(bool controlsEnabled READ controlsEnabled NOTIFY controlsEnabledChanged)

public:
    Gui() = default;

    QString title() const { return m_title; }
    bool fullscreen() const { return m_fullscreen; }
    int scaleFactor() const { return 2; }
    bool controlsEnabled() const;

public Q_SLOTS:
    void setTitle(const QString &title);
    void setFullscreen(bool fullscreen);
    void setControlsEnabled(bool enabled);

Q_SIGNALS:
    void controlsEnabledChanged();
    void message(const QString &title, const QString &text, const QString &category, int id = 0);
    void titleChanged();
    void fullscreenChanged(bool fullscreen);

private:
    mutable QRecursiveMutex m_lock;
    bool m_controlsEnabled = false;
    QString m_title;
    bool m_fullscreen = false;
};
