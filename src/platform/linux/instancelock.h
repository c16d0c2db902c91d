// SPDX-FileCopyrightText: 2026 The Glyphory developers
// SPDX-License-Identifier: MIT
#pragma once

// The lock that lets one copy of the program run per user. It lies in a folder
// that only this user owns: the runtime folder, else a folder named after the
// user id in the temporary folder, else one in the user's cache folder. A place
// another user could have prepared (a link, a file or folder of theirs) is passed
// over, so nobody else can stop the program from starting.
class InstanceLock {
public:
    InstanceLock() = default;
    ~InstanceLock();
    InstanceLock(const InstanceLock &) = delete;
    InstanceLock &operator=(const InstanceLock &) = delete;

    // True when another copy of the program holds the lock; otherwise this one
    // holds it from now on, until the process ends. Without any per-user place
    // the check cannot be made, and starting is the kinder guess.
    bool heldElsewhere();

private:
    int m_fd = -1;
};
