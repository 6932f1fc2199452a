#pragma once
// The program's two windows for a widget test, made as start-up makes them: open them in a
// test's init (or initTestCase), close them in its cleanup. Controls are found by their names.

#include "Startup.h"
#include "Unit1.h"
#include "Unit5.h"

#include <QTest>

// Creates both windows and shows the calculator, as main() does. The notice box never asks the
// real network here: the connection check says "no connection" until a test says otherwise.
[[nodiscard]] inline bool openWindows()
{
    CreateWindows();
    Form1->setConnectionCheck([] { return false; });
    Form1->show();
    return QTest::qWaitForWindowExposed(Form1);
}

inline void closeWindows()
{
    delete Form5;
    Form5 = nullptr;
    delete Form1;
    Form1 = nullptr;
}

// A control of the calculator window by its name; a missing one ends the test run.
template <typename T> T* formChild(const char* name)
{
    T* found = Form1->findChild<T*>(QString::fromLatin1(name));
    if (found == nullptr)
        qFatal("no control %s", name);
    return found;
}
