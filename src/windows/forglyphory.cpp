// SPDX-FileCopyrightText: 2026 The Glyphory developers
// SPDX-License-Identifier: MIT
#include "forglyphory.h"

#include "platform/platform.h"
#include "shell/addresses.h"
#include "shell/desktopopen.h"
#include "shell/support.h"
#include "shell/winfontfolder.h"
#include "toolkit/imagebutton.h"
#include "toolkit/layoutbuilder.h"
#include "toolkit/messagetitle.h"
#include "toolkit/pictures.h"
#include "windows/composemail.h"

#include <QRegularExpression>

using namespace Qt::StringLiterals;

namespace {

// The opener reads the link with QUrl's tolerant parsing, which encodes every "%" of
// the link again as soon as one of them is not followed by two hex digits: the
// link's own %20 and %0D%0A would reach the mail program as literal text. Such a
// lone "%" (the body keeps "%" as it is) is therefore written as "%25" first.
// Blanks need no help: QUrl hands them on as "%20".
QString withLonePercentsEncoded(QString link)
{
    static const QRegularExpression lonePercent(QStringLiteral("%(?![0-9A-Fa-f]{2})"));
    return link.replace(lonePercent, QStringLiteral("%25"));
}

} // namespace

ForGlyphory::ForGlyphory(Platform &platform, QWidget *mainForm)
    : InformationWindow(platform, mainForm, QStringLiteral("ForGlyphory"), tr("I Like Glyphory"),
                        QSize(8385, 5055))
{
    using enum ControlKind;
    using F = ForGlyphory;
    setWindowIcon(programIcon());
    const QString capitalisedHost = DownloadSiteHost.left(1).toUpper() + DownloadSiteHost.mid(1);
    const Face plain{Typeface::Tahoma}, bold{Typeface::Tahoma, FaceStyle::Bold},
        link{Typeface::Tahoma, FaceStyle::Bold | FaceStyle::Underline};
    // clang-format off
    const LayoutRow<ForGlyphory> layout[] = {
        // name     kind          parent    text                                       left  top   width height font   role             tooltip
        {"Frame2",  Frame,        nullptr,  {},                                        210,  90,   7965, 4755},
        {"Image11", ImageButton,  "Frame2", u"close"_s,                                7530, 210,  240,  240,  {},    &F::Image11_Click, tr("Close")},
        {"Label1",  Label,        "Frame2", tr("Glad to hear that you liked it. These are several things you can do: "),
                                                                                       210,  270,  5640, 195,  bold},
        {"Image29", Picture,      "Frame2", u"contact"_s,                              270,  690,  450,  450,  {},    nullptr,           tr("Contact us")},
        {"Label2",  Label,        "Frame2", tr("* Contact us if you have any suggestions, opinions or notes about it on:"),
                                                                                       750,  690,  5205, 195,  plain},
        {"Label6",  Link,         "Frame2", SupportMailAddress,                        870,  900,  2460, 195,  link,  &F::Label6_Click,  tr("Contact Corvatek Software")},
        {"Label10", Label,        "Frame2", tr("When reporting bugs or problems please include:"),
                                                                                       270,  1290, 4125, 195,  bold},
        {"Label11", Label,        "Frame2", tr("* Glyphory version"),                  270,  1590, 2445, 195,  plain},
        // Looks like the labels around it, but opens the review site.
        {"Label12", PlainLink,    "Frame2", tr("* Windows Operating System version"),  270,  1800, 2685, 195,  plain, &F::Label12_Click},
        {"Label13", Label,        "Frame2", tr("* Problem description (preferably, in detail) "),
                                                                                       270,  2010, 3150, 195,  plain},
        {"Label14", WrappedLabel, "Frame2", tr("Please keep in mind that the more information you provide about your "
                                               "problem the better chance we have of finding a solution."),
                                                                                       270,  2340, 6585, 405,  plain},
        {"Line1",   Line,         "Frame2", {},                                        270,  2880, 6360, 0},
        {"Label3",  Label,        "Frame2", tr("* Tell all your friends and relatives about Glyphory"),
                                                                                       750,  3000, 4710, 195,  plain},
        {"Image31", Picture,      "Frame2", u"review"_s,                               240,  3015, 450,  450,  {},    nullptr,           tr("Add a review at %1").arg(capitalisedHost)},
        {"Label4",  Link,         "Frame2", tr("Tell-a-friend"),                       870,  3210, 1050, 195,  link,  &F::Label4_Click,  tr("Tell-a-friend about Glyphory")},
        {"Line2",   Line,         "Frame2", {},                                        270,  3600, 6360, 0},
        {"Image30", Picture,      "Frame2", u"friend"_s,                               240,  3720, 450,  450,  {},    nullptr,           tr("Tell-a-friend")},
        {"Label5",  Label,        "Frame2", tr("* Vote for Glyphory at %1").arg(DownloadSiteBrand),
                                                                                       750,  3780, 3105, 195,  plain},
        {"Label7",  Label,        "Frame2", tr("Goto %1:").arg(DownloadSiteBrand),     900,  4050, 810,  195,  plain},
        {"Label8",  Link,         "Frame2", DownloadSiteHost,                          1770, 4050, 1215, 195,  link,  &F::Label8_Click,  tr("Goto %1").arg(DownloadSiteHost)},
        {"Image1",  ImageButton,  "Frame2", u"note"_s,                                 900,  4320, 210,  210,  {},    &F::Image1_Click,  tr("Note!")},
        {"Label9",  Label,        "Frame2", tr("Search for Glyphory, Open its page and click on \"Rate it!\" link."),
                                                                                       1200, 4320, 5550, 195,  plain},
    };
    // clang-format on
    LayoutBuilder controls(platform, this);
    controls.build(this, layout);
    orderTabStops(this, {"Image11", "Label6", "Label12", "Label4", "Label8", "Image1"});
}

void ForGlyphory::Image11_Click()
{
    returnToMainForm();
}

void ForGlyphory::Label6_Click()
{
    Support::MailSupport(platform());
}

void ForGlyphory::Label4_Click()
{
    ComposeMail(QString(), tr("I Like Glyphory"), ProductPageAddress, QString(), QString(),
                QString());
}

void ForGlyphory::Label8_Click()
{
    WinFontFolder::OpenWithShell(platform(), this, DownloadSiteAddress);
}

void ForGlyphory::Label12_Click()
{
    WinFontFolder::OpenWithShell(platform(), this, ReviewSiteAddress);
}

void ForGlyphory::Image1_Click()
{
    platform().information(
        this, messageTitle(),
        tr("Free registration required to vote and add a review at www.%1").arg(DownloadSiteHost));
}

void ForGlyphory::ComposeMail(const QString &address, const QString &subject, const QString &body,
                              const QString &cc, const QString &bcc, const QString &attachment)
{
    openAddress(
        platform(), this,
        withLonePercentsEncoded(composeMailLink(address, subject, body, cc, bcc, attachment)));
}
