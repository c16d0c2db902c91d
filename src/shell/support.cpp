// SPDX-FileCopyrightText: 2026 The Glyphory developers
// SPDX-License-Identifier: MIT
#include "support.h"

#include "shell/addresses.h"
#include "shell/desktopopen.h"

void Support::OpenProductPage(Platform &platform)
{
    openAddress(platform, nullptr, ProductPageAddress);
}

void Support::MailSupport(Platform &platform)
{
    openAddress(platform, nullptr, QStringLiteral("mailto:") + SupportMailAddress);
}
