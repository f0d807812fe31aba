// The pet's activities as step procedures: each call plays the step step names and sets the
// next one. Numbers without a procedure do nothing.
#pragma once

#include <QtGlobal>

class Engine;
using EventProc = void (*)(Engine &);

// The procedure of event n, or nullptr.
EventProc eventProcedure(qint16 n);
// Every event number that has a procedure (for tests and the art checks).
QList<qint16> eventNumbers();
