// SPDX-FileCopyrightText: 2026 The Glyphory developers
// SPDX-License-Identifier: MIT
#pragma once

#include "windows/informationwindow.h"

// The feedback window, "I Like Glyphory": mail the maker, what to put in a problem
// report, tell a friend by mail, and rate the program on a download site.
class ForGlyphory : public InformationWindow {
    Q_OBJECT
public:
    // mainForm is enabled and brought to the front by the Close image.
    ForGlyphory(Platform &platform, QWidget *mainForm);

    void Image11_Click();
    void Label6_Click();
    void Label4_Click();
    void Label8_Click();
    void Label12_Click();
    void Image1_Click();

    // Opens a new message in the default mail program; see composeMailLink().
    void ComposeMail(const QString &address, const QString &subject, const QString &body,
                     const QString &cc, const QString &bcc, const QString &attachment);
};
