// SPDX-FileCopyrightText: 2026 The Glyphory developers
// SPDX-License-Identifier: MIT
#pragma once

#include "app/readform.h"
#include "fakeplatform.h"

#include <memory>

class MainForm;

// The program started the way main() starts it, on a fake platform: the splash
// is shown and the test waits for the hand-over to the main window.
class RunningProgram {
public:
    // Shows the splash and waits until the main window is shown and active.
    bool start();

    FakePlatform platform;
    std::unique_ptr<ReadForm> splash;
    MainForm *main = nullptr;
};
