#include <QSignalSpy>
#include <QtTest>

#include "log_capture.h"
#include "py_test_env.h"
#include "state_objects.h"
#include "test_app.h"

namespace py = pybind11;

// tavell.gui as the controller uses it: every member that emits, with its
// defaults, seen on the C++ side; the page and scroll-hint properties; and
// the stand-in controller's answers that write Gui back.
class TstGuiBinding : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<PyTestEnv> env;

    // Runs statements and returns the name of the Python error they raised,
    // or an empty text.
    QString errorOf(const char *statements)
    {
        try {
            env->exec(statements);
        } catch (py::error_already_set &e) {
            return QString::fromStdString(py::str(e.type().attr("__name__")).cast<std::string>());
        }
        return QString();
    }

private Q_SLOTS:
    void initTestCase()
    {
        initTestApp();
        env.reset(new PyTestEnv);
        env->exec("from tavell.gui import *");
    }

    void cleanupTestCase() { env.reset(); }

    void init()
    {
        g_gui.setPage(Gui::Auto1);
        g_gui.setIndicateScrollable(false);
    }

    void pageRoundTrip()
    {
        QSignalSpy changed(&g_gui, &Gui::pageChanged);
        env->exec("Gui.page = PageEnum.UpdatesShell");
        QCOMPARE(g_gui.page(), Gui::UpdatesShell);
        QCOMPARE(changed.count(), 1);

        // The same value again: the screens must not switch.
        env->exec("Gui.page = PageEnum.UpdatesShell");
        QCOMPARE(changed.count(), 1);

        g_gui.setPage(Gui::Recipes);
        QVERIFY(env->eval("Gui.page == PageEnum.Recipes").cast<bool>());
        QVERIFY(env->eval("type(Gui.page) is PageEnum").cast<bool>());
        QCOMPARE(changed.count(), 2);
    }

    void pageOutsideTheEnumIsStored()
    {
        // Stored and signalled like any page; the screens report that they
        // have none for it.
        QSignalSpy changed(&g_gui, &Gui::pageChanged);
        env->exec("Gui.page = PageEnum(7)");
        QCOMPARE(int(g_gui.page()), 7);
        env->exec("Gui.page = PageEnum(1000)");
        QCOMPARE(int(g_gui.page()), 1000);
        QVERIFY(env->eval("int(Gui.page) == 1000").cast<bool>());
        QCOMPARE(changed.count(), 2);
        QCOMPARE(errorOf("Gui.page = 3"), QStringLiteral("TypeError"));
        QCOMPARE(errorOf("Gui.page = SchemaEnum.Auto2X2"), QStringLiteral("TypeError"));
        QCOMPARE(int(g_gui.page()), 1000);
        g_gui.setPage(Gui::Auto1);
    }

    void indicateScrollableRoundTrip()
    {
        QSignalSpy changed(&g_gui, &Gui::indicateScrollableChanged);
        env->exec("Gui.indicate_scrollable = True");
        env->exec("Gui.indicate_scrollable = True");
        QVERIFY(g_gui.indicateScrollable());
        QCOMPARE(changed.count(), 1);
        g_gui.setIndicateScrollable(false);
        QVERIFY(!env->eval("Gui.indicate_scrollable").cast<bool>());
        QCOMPARE(errorOf("Gui.indicate_scrollable = 'ja'"), QStringLiteral("TypeError"));
        QCOMPARE(changed.count(), 2);
    }

    void dialogSignals()
    {
        QSignalSpy schema(&g_gui, &Gui::changeSchema);
        QSignalSpy close(&g_gui, &Gui::closeDialog);
        QSignalSpy closeCurrent(&g_gui, &Gui::closeCurrentDialog);
        QSignalSpy warnings(&g_gui, &Gui::setWarningsDialogData);
        QSignalSpy poweroff(&g_gui, &Gui::showPoweroffDialog);
        QSignalSpy popup(&g_gui, &Gui::requestPopup);

        env->exec(R"(
Gui.change_schema(SchemaEnum.Auto2X1)
Gui.close_dialog(7, True)
Gui.close_dialog(accept=False, id_=3)
Gui.close_current_dialog(False)
Gui.set_warnings_dialog_data(2, "Warnungen", "Kessel offen", "Löschen")
Gui.show_poweroff_dialog()
Gui.request_popup(PopupEnum.Recovery, 12)
Gui.request_popup(which=PopupEnum.Fullen, id_=4)
)");
        QCOMPARE(schema.count(), 1);
        QCOMPARE(schema[0][0].value<Gui::SchemaEnum>(), Gui::Auto2X1);
        QCOMPARE(close.count(), 2);
        QCOMPARE(close[0], (QVariantList{7, true}));
        QCOMPARE(close[1], (QVariantList{3, false}));
        QCOMPARE(closeCurrent.count(), 1);
        QCOMPARE(closeCurrent[0][0], QVariant(false));
        QCOMPARE(warnings.count(), 1);
        QCOMPARE(warnings[0], (QVariantList{2, QStringLiteral("Warnungen"), QStringLiteral("Kessel offen"),
                                            QStringLiteral("Löschen")}));
        QCOMPARE(poweroff.count(), 1);
        QCOMPARE(popup.count(), 2);
        QCOMPARE(popup[0][0].value<Gui::PopupEnum>(), Gui::PopupRecovery);
        QCOMPARE(popup[0][1], QVariant(12));
        QCOMPARE(popup[1][0].value<Gui::PopupEnum>(), Gui::PopupFullen);
        QCOMPARE(popup[1][1], QVariant(4));
    }

    void toastSignals()
    {
        QSignalSpy notify(&g_gui, &Gui::toastNotify);
        QSignalSpy warn(&g_gui, &Gui::toastWarn);

        env->exec(R"(
Gui.toast_notify("x", IconEnum.Info)
Gui.toast_notify("gespeichert", IconEnum.Saved, ColorEnum.Green, 2500)
Gui.toast_notify(text="hallo", icon_enum=IconEnum.Smiley, duration=10)
Gui.toast_notify("fremd", IconEnum(9))
Gui.toast_warn("Achtung")
Gui.toast_warn("kurz", 200)
)");
        QCOMPARE(notify.count(), 4);
        QCOMPARE(notify[0][0], QVariant(QStringLiteral("x")));
        QCOMPARE(notify[0][1], QVariant(QStringLiteral("qrc:/img/info-circle.svg")));
        QCOMPARE(notify[0][2].value<Gui::ColorEnum>(), Gui::ColorTransparent);
        QCOMPARE(notify[0][3], QVariant(1000));

        QCOMPARE(notify[1][1], QVariant(QStringLiteral("qrc:/img/save.svg")));
        QCOMPARE(notify[1][2].value<Gui::ColorEnum>(), Gui::ColorGreen);
        QCOMPARE(notify[1][3], QVariant(2500));

        QCOMPARE(notify[2][1], QVariant(QStringLiteral("qrc:/img/emoji-smile.svg")));
        QCOMPARE(notify[2][2].value<Gui::ColorEnum>(), Gui::ColorTransparent);
        QCOMPARE(notify[2][3], QVariant(10));

        // An unknown icon: the toast keeps the one it showed last.
        QVERIFY(!notify[3][1].value<QVariant>().isValid());

        QCOMPARE(warn.count(), 2);
        QCOMPARE(warn[0], (QVariantList{QStringLiteral("Achtung"), 1000}));
        QCOMPARE(warn[1], (QVariantList{QStringLiteral("kurz"), 200}));

        // Refused arguments emit nothing.
        QCOMPARE(errorOf("Gui.toast_notify('x', 2)"), QStringLiteral("TypeError"));
        QCOMPARE(errorOf("Gui.toast_notify('x', IconEnum.Info, PopupEnum.Fullen)"), QStringLiteral("TypeError"));
        QCOMPARE(errorOf("Gui.toast_warn('x', 1.5)"), QStringLiteral("TypeError"));
        QCOMPARE(notify.count() + warn.count(), 6);
    }

    void picoSignals()
    {
        QSignalSpy out(&g_gui, &Gui::setPicoStdout);
        QSignalSpy err(&g_gui, &Gui::setPicoStderr);
        QSignalSpy ret(&g_gui, &Gui::setPicoReturnValue);
        env->exec(R"(
Gui.set_pico_stdout("Schreibe 12 %")
Gui.set_pico_stderr("Gerät nicht gefunden")
Gui.set_pico_return_value(-3)
)");
        QCOMPARE(out.count(), 1);
        QCOMPARE(out[0][0], QVariant(QStringLiteral("Schreibe 12 %")));
        QCOMPARE(err.count(), 1);
        QCOMPARE(err[0][0], QVariant(QStringLiteral("Gerät nicht gefunden")));
        QCOMPARE(ret.count(), 1);
        QCOMPARE(ret[0][0], QVariant(-3));
    }

    void messageAlwaysHasIdZero()
    {
        QSignalSpy message(&g_gui, &Gui::message);
        env->exec(R"(
Gui.message("T1", "Text", "info")
Gui.message(category="warn", text="T2", title="Ü")
)");
        QCOMPARE(message.count(), 2);
        QCOMPARE(message[0], (QVariantList{QStringLiteral("T1"), QStringLiteral("Text"), QStringLiteral("info"), 0}));
        QCOMPARE(message[1], (QVariantList{QStringLiteral("Ü"), QStringLiteral("T2"), QStringLiteral("warn"), 0}));
        QCOMPARE(errorOf("Gui.message('a', 'b', 'c', 5)"), QStringLiteral("TypeError"));
        QCOMPARE(message.count(), 2);
    }

    void questionConvertsOptions()
    {
        QSignalSpy question(&g_gui, &Gui::question);
        env->exec(R"(
Gui.question("Frage", "Welcher Kessel?", {"wahl": ["A", ("B", 2)], "an": True, "x": None, "f": 1.5})
)");
        QCOMPARE(question.count(), 1);
        QCOMPARE(question[0][0], QVariant(QStringLiteral("Frage")));
        QCOMPARE(question[0][1], QVariant(QStringLiteral("Welcher Kessel?")));
        const QVariantMap options = question[0][2].value<QVariant>().toMap();
        QCOMPARE(options.keys(), (QStringList{"an", "f", "wahl", "x"}));
        const QVariantList inner{QStringLiteral("B"), 2};
        QCOMPARE(options["wahl"], QVariant(QVariantList{QStringLiteral("A"), inner}));
        QCOMPARE(options["an"].userType(), int(QMetaType::Bool));
        QCOMPARE(options["f"], QVariant(1.5));
        QCOMPARE(options["x"].userType(), int(QMetaType::Nullptr));

        // A value out of range: logged, the question still opens with an
        // empty place for it.
        {
            LogCapture log;
            env->exec(R"(Gui.question("F", "T", [1, 2**31]))");
            QCOMPARE(log.matching(QStringLiteral("py::cast_error:")).size(), 1);
        }
        QCOMPARE(question.count(), 2);
        const QVariantList list = question[1][2].value<QVariant>().toList();
        QCOMPARE(list.size(), 2);
        QCOMPARE(list[0], QVariant(1));
        QVERIFY(!list[1].isValid());

        // A kind that cannot be converted at all is refused.
        env->exec("class Plain: pass");
        QCOMPARE(errorOf("Gui.question('F', 'T', [Plain()])"), QStringLiteral("TypeError"));
        QCOMPARE(question.count(), 2);
    }

    // The stand-in controller answers the screens by writing Gui.
    void controllerAnswersThroughGui()
    {
        env->exec("import controller");
        LogCapture log;
        QSignalSpy changed(&g_gui, &Gui::pageChanged);
        QSignalSpy notify(&g_gui, &Gui::toastNotify);

        env->exec("controller.set_page_from_cpp(PageEnum.Settings)");
        QCOMPARE(log.matching(QStringLiteral("[Py] controller: set_page_from_cpp(<PageEnum.Settings: 4>)")).size(), 1);
        QCOMPARE(g_gui.page(), Gui::Settings);
        QCOMPARE(changed.count(), 1);

        env->exec("controller.gui_value_from_cpp(GuiEnum.DialogData, {'id': 3, 'accepted': True})");
        QCOMPARE(log.matching(QStringLiteral("[Py] controller: gui_value_from_cpp(<GuiEnum.DialogData: 3>, "
                                             "{'id': 3, 'accepted': True})"))
                     .size(),
                 1);
        QCOMPARE(notify.count(), 1);
        QVERIFY(notify[0][0].toString().contains(QStringLiteral("'accepted': True")));
        QCOMPARE(notify[0][1], QVariant(QStringLiteral("qrc:/img/info-circle.svg")));

        // Other codes are only recorded.
        env->exec("controller.gui_value_from_cpp(GuiEnum.DeleteWarnings, None)");
        QCOMPARE(log.matching(QStringLiteral("[Py] controller: gui_value_from_cpp(<GuiEnum.DeleteWarnings: 0>, None)"))
                     .size(),
                 1);
        QCOMPARE(notify.count(), 1);
    }
};

QTEST_GUILESS_MAIN(TstGuiBinding)
#include "tst_gui_binding.moc"
