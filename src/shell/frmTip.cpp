#include "shell/frmTip.h"

#include "shell/Pictures.h"
#include "widgets/mConstants.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFile>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTextStream>
#include <QVBoxLayout>

namespace {
constexpr auto kTipsFileName = "TIPOFDAY.TXT";

QString& chosenTipsFile()
{
    static QString path;
    return path;
}
}  // namespace

frmTip::frmTip(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmTip"));
    setWindowTitle(tr("Tip of the Day"));
    setModal(true);
    // A fixed dialog frame: no resizing, no help or maximise buttons.
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);

    // The white card that holds the picture, the heading and the tip, as on a printed tip card.
    auto* card = new QFrame(this);
    card->setObjectName(QStringLiteral("frameTip"));
    card->setFrameShape(QFrame::StyledPanel);
    card->setFrameShadow(QFrame::Sunken);
    card->setAutoFillBackground(true);
    QPalette cardPalette = card->palette();
    cardPalette.setColor(QPalette::Window, QColor(0xFF, 0xFF, 0xFF));
    cardPalette.setColor(QPalette::WindowText, QColor(0x1B, 0x2A, 0x4A));
    card->setPalette(cardPalette);

    auto* side = new QFrame(card);
    side->setObjectName(QStringLiteral("frameTipSide"));
    side->setAutoFillBackground(true);
    QPalette sidePalette = side->palette();
    sidePalette.setColor(QPalette::Window, QColor(0x1B, 0x2A, 0x4A));
    side->setPalette(sidePalette);
    side->setFixedWidth(96);

    Picture1 = new QLabel(side);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setPixmap(SvgPixmap(QStringLiteral(":/pictures/tip.svg"), QSize(64, 64), devicePixelRatioF()));
    Picture1->setFixedSize(64, 64);
    auto* sideLayout = new QVBoxLayout(side);
    sideLayout->setContentsMargins(16, 20, 16, 16);
    sideLayout->addWidget(Picture1, 0, Qt::AlignHCenter | Qt::AlignTop);
    sideLayout->addStretch(1);

    Label1 = new QLabel(tr("Did you know..."), card);
    Label1->setObjectName(QStringLiteral("Label1"));
    QFont heading = Label1->font();
    heading.setPointSizeF(heading.pointSizeF() * 1.6);
    heading.setBold(true);
    Label1->setFont(heading);

    auto* rule = new QFrame(card);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);

    lblTipText = new QLabel(card);
    lblTipText->setObjectName(QStringLiteral("lblTipText"));
    lblTipText->setWordWrap(true);
    lblTipText->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblTipText->setTextFormat(Qt::PlainText);
    QFont tipFont = lblTipText->font();
    tipFont.setPointSizeF(tipFont.pointSizeF() * 1.15);
    lblTipText->setFont(tipFont);

    auto* text = new QVBoxLayout;
    text->setContentsMargins(18, 16, 18, 16);
    text->setSpacing(10);
    text->addWidget(Label1);
    text->addWidget(rule);
    text->addWidget(lblTipText, 1);

    auto* cardLayout = new QHBoxLayout(card);
    cardLayout->setContentsMargins(0, 0, 0, 0);
    cardLayout->setSpacing(0);
    cardLayout->addWidget(side);
    cardLayout->addLayout(text, 1);

    chkLoadTipsAtStartup = new QCheckBox(tr("&Show Tips at Startup"), this);
    chkLoadTipsAtStartup->setObjectName(QStringLiteral("chkLoadTipsAtStartup"));
    // The box shows the setting as it stands, however the window was opened.
    chkLoadTipsAtStartup->setChecked(ShownAtStartup());

    cmdNextTip = new QPushButton(tr("&Next Tip"), this);
    cmdNextTip->setObjectName(QStringLiteral("cmdNextTip"));
    cmdNextTip->setAutoDefault(false);
    cmdOK = new QPushButton(tr("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    cmdOK->setMinimumWidth(cmdNextTip->sizeHint().width());

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(chkLoadTipsAtStartup);
    buttons->addStretch(1);
    buttons->addWidget(cmdNextTip);
    buttons->addWidget(cmdOK);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->setSpacing(12);
    layout->addWidget(card, 1);
    layout->addLayout(buttons);

    setFixedSize(560, 300);

    connect(cmdNextTip, &QPushButton::clicked, this, &frmTip::cmdNextTip_Click);
    connect(cmdOK, &QPushButton::clicked, this, &frmTip::cmdOk_Click);
    // Every change of the box counts.
    connect(chkLoadTipsAtStartup, &QCheckBox::toggled, this, &frmTip::chkLoadTipsAtStartup_Click);

    Form_Load();
    CentreOnScreen(this);
}

QString frmTip::TipsFile()
{
    return chosenTipsFile().isEmpty() ? pubAppPath + QString::fromLatin1(kTipsFileName) : chosenTipsFile();
}

void frmTip::SetTipsFile(const QString& path)
{
    chosenTipsFile() = path;
}

QString frmTip::MissingFileText()
{
    const QString name = QString::fromLatin1(kTipsFileName);
    return tr("That the ") + name + tr(" file was not found? ") + QStringLiteral("\r\n") +
           QStringLiteral("\r\n") + tr("Create a text file named ") + name +
           tr(" using NotePad with 1 tip per line. ") +
           tr("Then place it in the same directory as the application. ");
}

namespace {
// The tips in the user's language where a translation of the file stands beside it
// ("TIPOFDAY_de.TXT"), the file as written otherwise.
QString LocalTipsFile(const QString& tips)
{
    const QFileInfo file(tips);
    for (const QString& language : QLocale().uiLanguages()) {
        const QString code = language.section(QLatin1Char('-'), 0, 0).toLower();
        if (code == QLatin1String("en"))
            break;
        const QString local = file.dir().filePath(
            QStringLiteral("%1_%2.%3").arg(file.completeBaseName(), code, file.suffix()));
        if (QFileInfo(local).isFile())
            return local;
    }
    return tips;
}
} // namespace

void frmTip::Form_Load()
{
    // QRandomGenerator::global() is seeded by the system, which covers seeding from the clock.
    if (!LoadTips(LocalTipsFile(TipsFile())))
        lblTipText->setText(MissingFileText());
}

bool frmTip::LoadTips(const QString& sFile)
{
    if (sFile.isEmpty() || !QFileInfo(sFile).isFile())
        return false;
    QFile file(sFile);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return false;
    QTextStream in(&file);
    in.setEncoding(QStringConverter::Utf8);
    while (!in.atEnd())
        m_tips << in.readLine();
    PickRandomTip();
    return true;
}

void frmTip::PickRandomTip()
{
    if (m_tips.isEmpty())
        return;
    // Every tip equally likely; the same one may come twice in a row.
    m_current = static_cast<int>(QRandomGenerator::global()->bounded(m_tips.size())) + 1;
    DisplayCurrentTip();
}

void frmTip::DisplayCurrentTip()
{
    if (!m_tips.isEmpty() && m_current >= 1 && m_current <= m_tips.size())
        lblTipText->setText(m_tips.at(m_current - 1));
}

void frmTip::cmdNextTip_Click()
{
    PickRandomTip();
}

void frmTip::cmdOk_Click()
{
    accept();
}

void frmTip::reject()
{
    QDialog::reject();
}

bool frmTip::ShownAtStartup()
{
    return GetSetting(QStringLiteral("Options"), QStringLiteral("Show Tips at Startup"), QStringLiteral("1"))
               .trimmed()
               .toInt()
        == 1;
}

void frmTip::chkLoadTipsAtStartup_Click(bool ticked)
{
    SaveSetting(QStringLiteral("Options"), QStringLiteral("Show Tips at Startup"),
                ticked ? QStringLiteral("1") : QStringLiteral("0"));
}
