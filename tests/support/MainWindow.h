#pragma once

// The program's main window loaded on a test's database and shown at a size every screen holds,
// for the tests that drive it (only their executables link the shell).

#include "shell/frmMain.h"
#include "support/Fixture.h"

#include <memory>

inline std::unique_ptr<frmMain> LoadMainWindow(const TestApp& app)
{
    auto main = std::make_unique<frmMain>();
    QString error;
    if (!main->Form_Load(app.dir(), &error))
        qWarning("main window did not load: %s", qPrintable(error));
    main->resize(1000, 700);
    main->show();
    main->activateWindow();
    return main;
}
