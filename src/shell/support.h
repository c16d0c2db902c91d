// SPDX-FileCopyrightText: 2026 The Glyphory developers
// SPDX-License-Identifier: MIT
#pragma once

class Platform;

namespace Support {

// The program's page on the download site, in the default web browser.
void OpenProductPage(Platform &platform);
// A new mail to the support address, in the default mail program.
void MailSupport(Platform &platform);

} // namespace Support
