#include "FuzzSupport.h"

#include <QGuiApplication>

void startOffscreenApplication()
{
    static int argc = 1;
    static char name[] = "tarvex_fuzzer";
    static char *argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication application(argc, argv);
}
