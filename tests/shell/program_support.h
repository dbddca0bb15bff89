#pragma once

#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>

#include "support/temp_folder.h"

namespace horalet::testing {

// The program's environment without a display, with its settings and
// caches, and its runtime files, in `config`.
QProcessEnvironment programEnvironment(const TempFolder& config);

// Runs the program to its end and answers what it wrote on standard output.
QByteArray runProgram(const QStringList& arguments, const QProcessEnvironment& environment);

// SIGTERM ends the program in an orderly way, with status 0.
void expectCleanEnd(QProcess& program);

} // namespace horalet::testing
