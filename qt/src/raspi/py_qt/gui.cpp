#include "gui.h"

#include "locked.h"

Gui::PageEnum Gui::page() const { return getLocked(m_lock, m_page); }

bool Gui::indicateScrollable() const { return getLocked(m_lock, m_indicateScrollable); }

bool Gui::controlsEnabled() const { return getLocked(m_lock, m_controlsEnabled); }

void Gui::setPage(PageEnum page) { setLocked(m_lock, m_page, page, this, &Gui::pageChanged); }

void Gui::setIndicateScrollable(bool indicate)
{
    setLocked(m_lock, m_indicateScrollable, indicate, this, &Gui::indicateScrollableChanged);
}

void Gui::setControlsEnabled(bool enabled)
{
    setLocked(m_lock, m_controlsEnabled, enabled, this, &Gui::controlsEnabledChanged);
}

void Gui::setTitle(const QString &title) { setUnlocked(m_title, title, this, &Gui::titleChanged); }

void Gui::setFullscreen(bool fullscreen)
{
    setUnlocked(m_fullscreen, fullscreen, this, &Gui::fullscreenChanged);
}

QVariant Gui::toastIconUrl(IconEnum icon)
{
    switch (icon) {
    case IconSaved:
        return QStringLiteral("qrc:/img/save.svg");
    case IconSmiley:
        return QStringLiteral("qrc:/img/emoji-smile.svg");
    case IconInfo:
        return QStringLiteral("qrc:/img/info-circle.svg");
    case IconEnumCount:
        break;
    }
    return QVariant();
}

void Gui::deleteWarnings() { Q_EMIT _toPyQVar(DeleteWarnings, QVariant()); }
