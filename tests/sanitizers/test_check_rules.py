"""The judging rules of scripts/asan-check and scripts/tsan-check on made-up reports."""

import importlib.machinery
import importlib.util
import os
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))


def load_script(name):
    sys.dont_write_bytecode = True
    loader = importlib.machinery.SourceFileLoader(name.replace("-", "_"), os.path.join(ROOT, "scripts", name))
    module = importlib.util.module_from_spec(importlib.util.spec_from_loader(loader.name, loader))
    loader.exec_module(module)
    return module


asan = load_script("asan-check")
tsan = load_script("tsan-check")
LEAK_PATTERNS = asan.load_patterns(os.path.join(ROOT, "tests", "sanitizers", "lsan.supp"))
TSAN_RULES = tsan.load_modules(os.path.join(ROOT, "tests", "sanitizers", "tsan.supp"))

NEW = "    #0 0x7f01 in operator new(unsigned long) ../../../../src/libsanitizer/asan/asan_new_delete.cpp:95\n"
MALLOC = "    #0 0x7f01 in malloc ../../../../src/libsanitizer/asan/asan_malloc_linux.cpp:69\n"


def leak(*frames, head=NEW):
    body = "".join(f"    #{i + 1} 0x7f{i:02d} {f}\n" for i, f in enumerate(frames))
    return ("==1==ERROR: LeakSanitizer: detected memory leaks\n\n"
            "Direct leak of 8 byte(s) in 1 object(s) allocated from:\n" + head + body +
            "\nSUMMARY: AddressSanitizer: 8 byte(s) leaked in 1 allocation(s).\n")


def verdicts(text):
    return [accepted for accepted, _, _ in asan.judge_report(text, LEAK_PATTERNS)]


def test_leak_inside_an_accepted_qt_function_is_accepted():
    report = leak("in QQuickPixmap::load(QQmlEngine*, QUrl const&) (/lib/x86_64-linux-gnu/libQt5Quick.so.5+0x1)",
                  f"in main {ROOT}/tests/qml/tst_qml.cpp:113")
    assert verdicts(report) == [True]


def test_program_frame_before_the_accepted_function_fails():
    # Our code running under Qt's scene graph sync allocated it.
    report = leak(f"in Item::updatePaintNode(QSGNode*) {ROOT}/qt/src/raspi/item.cpp:12",
                  "in QQuickWindowPrivate::syncSceneGraph() (/lib/x86_64-linux-gnu/libQt5Quick.so.5+0x2)")
    assert verdicts(report) == [False]


def test_qt_allocation_helper_called_by_the_program_fails():
    report = leak("in QArrayData::allocate(unsigned long) (/lib/x86_64-linux-gnu/libQt5Core.so.5+0x3)",
                  "(/lib/x86_64-linux-gnu/libQt5Core.so.5+0x4)",
                  f"in Values::setStatusA(QString const&) {ROOT}/qt/src/raspi/py_qt/values.cpp:46",
                  head=MALLOC)
    assert verdicts(report) == [False]


def test_python_allocation_without_accepted_function_fails():
    report = leak("(/lib/x86_64-linux-gnu/libpython3.11.so.1.0+0x10a7d2)", head=MALLOC)
    assert verdicts(report) == [False]


def test_c_library_sources_are_not_the_program():
    report = leak("in _dbus_read (/lib/x86_64-linux-gnu/libdbus-1.so.3+0x37883)",
                  "in start_thread nptl/pthread_create.c:442", head="    #0 0x7f in __interceptor_realloc "
                  "../../../../src/libsanitizer/asan/asan_malloc_linux.cpp:85\n")
    assert verdicts(report) == [True]


def test_memory_errors_and_undefined_behaviour_always_fail():
    assert verdicts("==1==ERROR: AddressSanitizer: heap-use-after-free on address 0x6\n") == [False]
    assert verdicts("values.cpp:3:5: runtime error: signed integer overflow\n") == [False]
    assert verdicts("something the checker does not know\n") == [False]


def race(first, second):
    return ("==================\nWARNING: ThreadSanitizer: data race (pid=7)\n"
            "  Write of size 8 at 0x7b by thread T2:\n" + first +
            "\n  Previous read of size 8 at 0x7b by main thread:\n" + second +
            "\nSUMMARY: ThreadSanitizer: data race\n==================\n")


def test_race_in_program_code_fails():
    ours = f"    #0 Values::setW1(QVariant const&) {ROOT}/qt/src/raspi/py_qt/values.cpp:50 (tst+0x1)\n"
    theirs = "    #0 memcpy sanitizer_common_interceptors.inc:1 (libtsan.so.2+0x1)\n" \
             "    #1 <null> <null> (libQt5Core.so.5+0x2)\n"
    assert [a for a, _, _ in tsan.judge(race(ours, theirs), TSAN_RULES)] == [False]


def test_race_inside_qt_and_on_reference_counts_is_accepted():
    qt = "    #0 free tsan_interceptors_posix.cpp:706 (libtsan.so.2+0x1)\n" \
         "    #1 QString::operator=(QString const&) <null> (libQt5Core.so.5+0x2)\n"
    refcount = "    #0 QtPrivate::RefCount::deref() /usr/include/x86_64-linux-gnu/qt5/QtCore/qrefcount.h:73 (tst+0x3)\n" \
               f"    #1 Gui::title() const {ROOT}/qt/src/raspi/py_qt/gui.cpp:9 (tst+0x4)\n"
    assert [a for a, _, _ in tsan.judge(race(qt, refcount), TSAN_RULES)] == [True]


def test_race_with_an_unrestorable_stack_fails():
    qt = "    #0 <null> <null> (libglib-2.0.so.0+0x1)\n"
    assert [a for a, _, _ in tsan.judge(race(qt, "    [failed to restore the stack]\n"), TSAN_RULES)] == [False]


def test_race_in_program_code_with_build_relative_paths_fails():
    # A compiler run through ccache with a base directory records the
    # program's sources relative to the build directory.
    ours = "    #0 Gui::page() const ../../qt/src/raspi/py_qt/gui.cpp:12 (tst+0x1)\n" \
           "    #1 <null> <null> (libQt5Core.so.5+0x2)\n"
    theirs = "    #0 memcpy ../../../../src/libsanitizer/sanitizer_common/sanitizer_common_interceptors.inc:1 " \
             "(libtsan.so.2+0x1)\n    #1 <null> <null> (libQt5Core.so.5+0x2)\n"
    assert [a for a, _, _ in tsan.judge(race(ours, theirs), TSAN_RULES)] == [False]
    assert [a for a, _, _ in tsan.judge(race(theirs, theirs), TSAN_RULES)] == [True]


def test_leak_planted_in_a_state_object_constructor_fails():
    # An object made with new in a state object's constructor and never freed,
    # as LeakSanitizer reports it at exit: directly, through a Qt constructor
    # that allocates for it, and with a record cut short behind our frame.
    ctor = f"in Values::Values() {ROOT}/qt/src/raspi/py_qt/values.cpp:44"
    init = f"in detail::StateObjectsInit::StateObjectsInit() {ROOT}/qt/src/raspi/py_qt/state_objects.cpp:30"
    start = "in __libc_start_main_impl ../csu/libc-start.c:360"
    assert verdicts(leak(ctor, init, start)) == [False]
    assert verdicts(leak("in QObject::QObject(QObject*) (/lib/x86_64-linux-gnu/libQt5Core.so.5+0x2a1f0)",
                         ctor, init, start)) == [False]
    assert verdicts(leak(ctor)) == [False]
    # The same object made inside an accepted Qt function on our behalf is still ours.
    assert verdicts(leak(ctor, "in QQuickPixmap::load(QQmlEngine*, QUrl const&) "
                               "(/lib/x86_64-linux-gnu/libQt5Quick.so.5+0x1)")) == [False]


def test_only_the_vptr_artefact_of_a_process_without_files_is_excused():
    at = "/b/moc_actuator.cpp:325:20: runtime error: downcast of address 0x61 which does not point to an object of type '_ActBase'"
    log = "[INFO ][2026-12-09 21:25:12][0:17:558] Der Befehls-Socket hört wieder zu"
    artefact = [at, "0x61: note: object has invalid vptr", "<memory cannot be printed>"]
    assert asan.unexcused_reports([log, *artefact, "    #0 0x5 in _ActBase::qt_static_metacall", log]) == []
    # A sound object of another type, and a vtable of garbage in readable memory.
    assert asan.unexcused_reports([at, "0x61: note: object is of type 'Fu'", "<memory cannot be printed>"]) == [at]
    assert asan.unexcused_reports([at, "0x61: note: object has invalid vptr", " 00 00 be be be be"]) == [at]
    assert asan.unexcused_reports([at, "0x61: note: object has invalid vptr"]) == [at]
    # Any other report fails however it ends.
    other = "/b/values.cpp:9:5: runtime error: signed integer overflow: 2147483647 + 1 cannot be represented"
    assert asan.unexcused_reports([other, *artefact[1:]]) == [other]
    asan_error = "==7==ERROR: AddressSanitizer: heap-use-after-free on address 0x61"
    assert asan.unexcused_reports([asan_error, *artefact]) == [asan_error]
