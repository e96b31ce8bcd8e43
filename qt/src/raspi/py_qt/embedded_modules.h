#pragma once
// The built-in modules _std_redirects and tavell. Both are added to the
// interpreter's table of built-in modules during static initialisation; their
// bodies run on the interpreter's thread when the worker first imports them.

// Submodules of tavell, in the order they are created.
extern const char *const kTavellSubmodules[11];
