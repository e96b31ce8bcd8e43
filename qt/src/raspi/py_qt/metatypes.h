#pragma once
// Registers every metatype name the program's queued connections, QML and
// property reads look types up by. Runs once per process, from the
// initialiser that builds the state objects, so the program and every test
// binary find the same names before main.

void registerMetaTypes();
