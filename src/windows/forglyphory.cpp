// SPDX-FileCopyrightText: 2026 The Glyphory developers
// SPDX-License-Identifier: MIT
#include "forglyphory.h"

#include "app/clickables.h"
#include "app/platform.h"
#include "app/twips.h"
#include "shell/addresses.h"
#include "shell/desktopopen.h"
#include "shell/support.h"
#include "shell/winfontfolder.h"
#include "windows/composemail.h"

#include <QGroupBox>
#include <QRegularExpression>

namespace {

ImageButton *addImageButton(QWidget *parent, const QString &name, const QString &pictureName,
                            const QString &toolTip, const QRect &box)
{
    auto *button = new ImageButton(pictureName, toolTip, parent);
    button->setObjectName(name);
    button->setGeometry(box);
    return button;
}

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
    setWindowIcon(programIcon());
    const QString capitalisedHost = DownloadSiteHost.left(1).toUpper() + DownloadSiteHost.mid(1);

    auto *frame = new QGroupBox(this);
    frame->setObjectName(QStringLiteral("Frame2"));
    frame->setGeometry(twipsRect(210, 90, 7965, 4755));

    connect(addImageButton(frame, QStringLiteral("Image11"), QStringLiteral("close"), tr("Close"),
                           twipsRect(7530, 210, 240, 240)),
            &ImageButton::clicked, this, &ForGlyphory::Image11_Click);
    addLabel(frame, QStringLiteral("Label1"),
             tr("Glad to hear that you liked it. These are several things you can do: "),
             twipsPoint(210, 270), FaceStyle::Bold);

    addPicture(frame, QStringLiteral("Image29"), QStringLiteral("contact"), tr("Contact us"),
               twipsRect(270, 690, 450, 450));
    addLabel(frame, QStringLiteral("Label2"),
             tr("* Contact us if you have any suggestions, opinions or notes about it on:"),
             twipsPoint(750, 690));
    connect(addLink(frame, QStringLiteral("Label6"), SupportMailAddress,
                    tr("Contact Corvatek Software"), twipsPoint(870, 900)),
            &LinkLabel::clicked, this, &ForGlyphory::Label6_Click);

    addLabel(frame, QStringLiteral("Label10"),
             tr("When reporting bugs or problems please include:"), twipsPoint(270, 1290),
             FaceStyle::Bold);
    addLabel(frame, QStringLiteral("Label11"), tr("* Glyphory version"), twipsPoint(270, 1590));
    // Looks like the labels around it, but opens the review site.
    auto *review = new LinkLabel(tr("* Windows Operating System version"), frame);
    review->unsetCursor();
    placeLabel(review, QStringLiteral("Label12"), twipsPoint(270, 1800));
    connect(review, &LinkLabel::clicked, this, &ForGlyphory::Label12_Click);
    addLabel(frame, QStringLiteral("Label13"), tr("* Problem description (preferably, in detail) "),
             twipsPoint(270, 2010));
    addWrappingLabel(frame, QStringLiteral("Label14"),
                     tr("Please keep in mind that the more information you provide about your "
                        "problem the better chance we have of finding a solution."),
                     twipsRect(270, 2340, 6585, 405));
    makeLine(frame, QStringLiteral("Line1"), twipsPoint(270, 2880), twipsPoint(6630, 2880));

    addLabel(frame, QStringLiteral("Label3"),
             tr("* Tell all your friends and relatives about Glyphory"), twipsPoint(750, 3000));
    addPicture(frame, QStringLiteral("Image31"), QStringLiteral("review"),
               tr("Add a review at %1").arg(capitalisedHost), twipsRect(240, 3015, 450, 450));
    connect(addLink(frame, QStringLiteral("Label4"), tr("Tell-a-friend"),
                    tr("Tell-a-friend about Glyphory"), twipsPoint(870, 3210)),
            &LinkLabel::clicked, this, &ForGlyphory::Label4_Click);
    makeLine(frame, QStringLiteral("Line2"), twipsPoint(270, 3600), twipsPoint(6630, 3600));

    addPicture(frame, QStringLiteral("Image30"), QStringLiteral("friend"), tr("Tell-a-friend"),
               twipsRect(240, 3720, 450, 450));
    addLabel(frame, QStringLiteral("Label5"),
             tr("* Vote for Glyphory at %1").arg(DownloadSiteBrand), twipsPoint(750, 3780));
    addLabel(frame, QStringLiteral("Label7"), tr("Goto %1:").arg(DownloadSiteBrand),
             twipsPoint(900, 4050));
    LinkLabel *site = addLink(frame, QStringLiteral("Label8"), DownloadSiteHost,
                              tr("Goto %1").arg(DownloadSiteHost), twipsPoint(1770, 4050));
    connect(site, &LinkLabel::clicked, this, &ForGlyphory::Label8_Click);
    connect(addImageButton(frame, QStringLiteral("Image1"), QStringLiteral("note"), tr("Note!"),
                           twipsRect(900, 4320, 210, 210)),
            &ImageButton::clicked, this, &ForGlyphory::Image1_Click);
    addLabel(frame, QStringLiteral("Label9"),
             tr("Search for Glyphory, Open its page and click on \"Rate it!\" link."),
             twipsPoint(1200, 4320));
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
        this, QStringLiteral("Glyphory"),
        tr("Free registration required to vote and add a review at www.%1").arg(DownloadSiteHost));
}

void ForGlyphory::ComposeMail(const QString &address, const QString &subject, const QString &body,
                              const QString &cc, const QString &bcc, const QString &attachment)
{
    openAddress(
        platform(), this,
        withLonePercentsEncoded(composeMailLink(address, subject, body, cc, bcc, attachment)));
}
