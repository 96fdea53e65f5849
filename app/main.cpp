// SPDX-License-Identifier: MIT
#include "app/Startup.h"
#include "runtime/QtRuntime.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    describeApplication();

    QtRuntime runtime;
    registerWindows(runtime);
    installBenchProbe(runtime);
    runtime.showWindow(QStringLiteral("frmSplash"));
    return QApplication::exec();
}
