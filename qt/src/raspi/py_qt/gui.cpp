#include "gui.h"

#include "locked.h"

bool Gui::controlsEnabled() const { return getLocked(m_lock, m_controlsEnabled); }

void Gui::setTitle(const QString &title) { setUnlocked(m_title, title, this, &Gui::titleChanged); }

void Gui::setFullscreen(bool fullscreen)
{
    setUnlocked(m_fullscreen, fullscreen, this, &Gui::fullscreenChanged);
}

void Gui::setControlsEnabled(bool enabled)
{
    setLocked(m_lock, m_controlsEnabled, enabled, this, &Gui::controlsEnabledChanged);
}
