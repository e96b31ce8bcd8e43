#include <pybind11/pybind11.h>

#include "gui.h"

#include "binding_helpers.h"
#include "locked.h"
#include "state_objects.h"
#include "types.h"

namespace py = pybind11;

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

namespace {

// A Python method that emits the given signal with its own arguments.
template <typename... Args>
auto emitting(void (Gui::*signal)(Args...))
{
    return [signal](Gui &gui, Args... args) { Q_EMIT(gui.*signal)(args...); };
}

} // namespace

void Gui::prepareModule(py::module_ &m)
{
    py::enum_<PageEnum> pageEnum(m, "PageEnum");
    pageEnum.value("Auto1", Auto1)
        .value("Auto2", Auto2)
        .value("Report", Report)
        .value("Recipes", Recipes)
        .value("Settings", Settings)
        .value("Updates", Updates)
        .value("UpdatesShell", UpdatesShell);
    TAVELL_ASSERT_ENUM_ENTRIES(pageEnum, PageEnumCount);

    py::enum_<SchemaEnum> schemaEnum(m, "SchemaEnum");
    schemaEnum.value("Auto1X1", Auto1X1).value("Auto1X2", Auto1X2).value("Auto2X1", Auto2X1).value("Auto2X2", Auto2X2);
    TAVELL_ASSERT_ENUM_ENTRIES(schemaEnum, SchemaEnumCount);

    py::enum_<IconEnum> iconEnum(m, "IconEnum");
    iconEnum.value("Saved", IconSaved).value("Smiley", IconSmiley).value("Info", IconInfo);
    TAVELL_ASSERT_ENUM_ENTRIES(iconEnum, IconEnumCount);

    py::enum_<ColorEnum> colorEnum(m, "ColorEnum");
    colorEnum.value("Transparent", ColorTransparent).value("Green", ColorGreen);
    TAVELL_ASSERT_ENUM_ENTRIES(colorEnum, ColorEnumCount);

    py::enum_<GuiValueEnum> guiEnum(m, "GuiEnum");
    guiEnum.value("DeleteWarnings", DeleteWarnings)
        .value("FlashPico", FlashPico)
        .value("PopupOpened", PopupOpened)
        .value("DialogData", DialogData);
    TAVELL_ASSERT_ENUM_ENTRIES(guiEnum, GuiValueEnumCount);

    py::enum_<PopupEnum> popupEnum(m, "PopupEnum");
    popupEnum.value("Fullen", PopupFullen).value("Recovery", PopupRecovery);
    TAVELL_ASSERT_ENUM_ENTRIES(popupEnum, PopupEnumCount);

    // The global object is static: Python gets a reference and never deletes it.
    py::class_<Gui, std::unique_ptr<Gui, py::nodelete>>(m, "GuiClass")
        .def_property("page", &Gui::page, &Gui::setPage)
        .def_property("indicate_scrollable", &Gui::indicateScrollable, &Gui::setIndicateScrollable)
        .def("change_schema", emitting(&Gui::changeSchema), py::arg("schema"))
        .def("close_dialog", emitting(&Gui::closeDialog), py::arg("id_"), py::arg("accept"))
        .def("close_current_dialog", emitting(&Gui::closeCurrentDialog), py::arg("accept"))
        .def(
            "toast_notify",
            [](Gui &gui, const QString &text, IconEnum icon, ColorEnum color, int duration) {
                Q_EMIT gui.toastNotify(text, toastIconUrl(icon), color, duration);
            },
            py::arg("text"), py::arg("icon_enum"), py::arg("color_enum") = ColorTransparent,
            py::arg("duration") = 1000)
        .def("toast_warn", emitting(&Gui::toastWarn), py::arg("text"), py::arg("duration") = 1000)
        .def("set_warnings_dialog_data", emitting(&Gui::setWarningsDialogData), py::arg("count"), py::arg("title"),
             py::arg("text"), py::arg("yes_txt"))
        .def("set_pico_stdout", emitting(&Gui::setPicoStdout))
        .def("set_pico_stderr", emitting(&Gui::setPicoStderr))
        .def("set_pico_return_value", emitting(&Gui::setPicoReturnValue))
        .def("show_poweroff_dialog", emitting(&Gui::showPoweroffDialog))
        .def("request_popup", emitting(&Gui::requestPopup), py::arg("which"), py::arg("id_"))
        .def(
            "message",
            [](Gui &gui, const QString &title, const QString &text, const QString &category) {
                Q_EMIT gui.message(title, text, category, 0);
            },
            py::arg("title"), py::arg("text"), py::arg("category"))
        // options arrive converted by the shared QVariant caster.
        .def("question", emitting(&Gui::question), py::arg("title"), py::arg("text"), py::arg("options"));

    m.attr("Gui") = py::cast(&g_gui, py::return_value_policy::reference);
}
