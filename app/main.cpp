// SPDX-License-Identifier: MIT
#include "app/Startup.h"
#include "runtime/QtRuntime.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QtRuntime runtime;
    startProgram(runtime);
    return QApplication::exec();
}
