// SPDX-License-Identifier: MIT
#include "app/Startup.h"
#include "runtime/QtRuntime.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QtRuntime runtime;
    const auto feed = startProgram(runtime);
    return QApplication::exec();
}
