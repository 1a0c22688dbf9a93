#include "shell/frmSplash.h"

#include "storage/DataPlace.h"
#include "storage/Database.h"
#include "widgets/MsgBox.h"
#include "match/clsMatch.h"
#include "shell/ClubCommands.h"
#include "shell/InstanceLock.h"
#include "shell/Pictures.h"
#include "shell/Version.h"
#include "shell/frmMain.h"
#include "shell/frmTip.h"
#include "widgets/mConstants.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>

namespace {
const QColor kInk(0x1B, 0x2A, 0x4A);
const QColor kAccent(0xE0, 0x7A, 0x1F);
const QColor kMuted(0x5A, 0x67, 0x7D);
const QSize kSplashSize(680, 400);
const auto kPicture = QStringLiteral(":/pictures/splash.svg");
constexpr int kTextMargin = 34;
// The raised panel's frame, and the margin inside it.
constexpr int kPanelFrame = 2;
constexpr int kPanelMargin = 2;

QLabel* makeLabel(QWidget* parent, const char* name, const QColor& colour, qreal scale, bool bold)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
    QFont font = label->font();
    font.setPointSizeF(font.pointSizeF() * scale);
    font.setBold(bold);
    label->setFont(font);
    return label;
}
}  // namespace

frmSplash::frmSplash(QWidget* parent) : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("frmSplash"));
    setWindowTitle(tr("Splash"));
    setFixedSize(kSplashSize);

    SSPanel1 = new QFrame(this);
    SSPanel1->setObjectName(QStringLiteral("SSPanel1"));
    SSPanel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    SSPanel1->setLineWidth(kPanelFrame);
    SSPanel1->setAutoFillBackground(true);
    QPalette panel = SSPanel1->palette();
    panel.setColor(QPalette::Window, QColor(0xFF, 0xFF, 0xFF));
    SSPanel1->setPalette(panel);

    frameSplash = new QFrame(SSPanel1);
    frameSplash->setObjectName(QStringLiteral("frameSplash"));
    frameSplash->setFrameStyle(QFrame::NoFrame);

    Picture1 = new QLabel(frameSplash);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setFixedSize(300, 392);
    m_picture = SvgImageLater(kPicture, Picture1->size(), qApp->devicePixelRatio());

    lblProductName = makeLabel(frameSplash, "lblProductName", kInk, 3.0, true);
    lblVersion = makeLabel(frameSplash, "lblVersion", kMuted, 1.1, false);
    lblPlatform = makeLabel(frameSplash, "lblPlatform", kMuted, 1.1, false);
    Label1 = makeLabel(frameSplash, "Label1", kAccent, 1.25, true);
    Label1->setText(tr("Volleyball statistics from the bench"));
    Label2 = makeLabel(frameSplash, "Label2", kInk, 1.0, false);
    Label2->setText(tr("Keep your roster, record every rally live and print a report for each player."));
    Label2->setWordWrap(true);
    // The text column's width is fixed by the window, the picture and the margins; the wrapped
    // text's height follows from it once here, so that laying the window out does not wrap the
    // text again for every width its layouts try.
    const int textWidth
        = kSplashSize.width() - 2 * (kPanelFrame + kPanelMargin) - Picture1->width() - 2 * kTextMargin;
    Label2->setFixedSize(textWidth, Label2->heightForWidth(textWidth));
    QSizePolicy fixedText(QSizePolicy::Fixed, QSizePolicy::Fixed);
    Label2->setSizePolicy(fixedText);
    lblCompanyProduct = makeLabel(frameSplash, "lblCompanyProduct", kMuted, 0.9, false);
    lblCompanyProduct->setText(tr("Sidelines Volleyball Software"));

    auto* accentRule = new QFrame(frameSplash);
    accentRule->setFixedSize(56, 4);
    accentRule->setAutoFillBackground(true);
    QPalette rule = accentRule->palette();
    rule.setColor(QPalette::Window, kAccent);
    accentRule->setPalette(rule);

    auto* text = new QVBoxLayout;
    text->setContentsMargins(kTextMargin, 46, kTextMargin, 28);
    text->setSpacing(6);
    text->addWidget(lblProductName);
    text->addWidget(accentRule);
    text->addSpacing(14);
    text->addWidget(Label1);
    text->addSpacing(4);
    text->addWidget(Label2);
    text->addStretch(1);
    text->addWidget(lblVersion);
    text->addWidget(lblPlatform);
    text->addSpacing(16);
    text->addWidget(lblCompanyProduct);

    auto* frameLayout = new QHBoxLayout(frameSplash);
    frameLayout->setContentsMargins(0, 0, 0, 0);
    frameLayout->setSpacing(0);
    frameLayout->addWidget(Picture1);
    frameLayout->addLayout(text, 1);

    auto* panelLayout = new QHBoxLayout(SSPanel1);
    panelLayout->setContentsMargins(kPanelMargin, kPanelMargin, kPanelMargin, kPanelMargin);
    panelLayout->addWidget(frameSplash);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(SSPanel1);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &frmSplash::Timer1_Timer);
}

frmSplash::~frmSplash() = default;

void frmSplash::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!m_picture.valid())
        return;
    QImage picture = m_picture.get();
    // Shown on a screen of another pixel density than the one guessed: drawn again for it.
    if (!qFuzzyCompare(picture.devicePixelRatio(), devicePixelRatioF()))
        Picture1->setPixmap(SvgPixmap(kPicture, Picture1->size(), devicePixelRatioF()));
    else
        Picture1->setPixmap(QPixmap::fromImage(std::move(picture)));
}

bool frmSplash::Form_Load(const QString& appDir, QString* error)
{
    QCoreApplication::processEvents();
    lblPlatform->setText(tr("for Windows 95"));
    lblVersion->setText(tr("Version %1.%2.%3")
                            .arg(SidelinesVersion::kMajor)
                            .arg(SidelinesVersion::kMinor)
                            .arg(SidelinesVersion::kRevision));
    lblProductName->setText(QStringLiteral("Sidelines"));
    CentreOnScreen(this);

    m_main = std::make_unique<frmMain>();
    return m_main->Form_Load(appDir, error);
}

void frmSplash::Timer1_Timer()
{
    ++m_iCount;
    if (m_iCount == 2) {
        if (m_main)
            m_main->show();
        // Back in front of the main window for the rest of its time.
        show();
        raise();
    } else if (m_iCount > 4) {
        // The tip window below runs its own event loop; the timer must not tick into it.
        Timer1->stop();
        close();
        // A match the last run was recording when it stopped comes before the tip.
        bool continued = false;
        RunCommand([&] {
            BusyPointer busy(m_main.get());
            continued = clsMatch::OfferToContinueAfterStop();
        });
        if (!continued && frmTip::ShownAtStartup()) {
            frmTip tip(m_main.get());
            tip.exec();
        }
        // The club server's password and the matches waiting for it, once the start has settled.
        RunCommand([this] { ClubCommands::AtStart(m_main.get()); });
    }
}

SidelinesStart::SidelinesStart(const QString& appDir)
    : m_appDir(appDir.endsWith(QLatin1Char('/')) ? appDir : appDir + QLatin1Char('/'))
{
}

SidelinesStart::~SidelinesStart()
{
    // The windows go before the lock, so nothing of this copy outlives it.
    m_splash.reset();
    m_lock.reset();
    if (m_placed) {
        SetIdleStatus(QString());
        frmTip::SetTipsFile(QString());
    }
}

QString SidelinesStart::LockFileName()
{
    return QStringLiteral("Sidelines.lock");
}

QString SidelinesStart::LockPathFor(const QString& databaseFile)
{
    const QString resolved = QFileInfo(databaseFile).canonicalFilePath();
    const QString folder = resolved.isEmpty() ? QFileInfo(databaseFile).absolutePath() : QFileInfo(resolved).absolutePath();
    return QDir(folder).filePath(LockFileName());
}

frmMain* SidelinesStart::mainWindow() const
{
    return m_splash ? m_splash->mainWindow() : nullptr;
}

namespace {
// Names the lock file and, when its note says so, the process holding it: a copy left running on
// another computer sharing the folder, or hung without a window, can then be found and ended.
QString AlreadyRunningText(const InstanceLock& lock)
{
    const QString file = QDir::toNativeSeparators(lock.path());
    const auto& holder = lock.holder();
    if (!holder)
        return QCoreApplication::translate("SidelinesStart", "Sidelines is already running.\n\n"
                                                             "Its lock file\n%1\nis held by another process.")
            .arg(file);
    if (holder->host.isEmpty())
        return QCoreApplication::translate("SidelinesStart", "Sidelines is already running.\n\n"
                                                             "Its lock file\n%1\nis held by process %2.")
            .arg(file, QString::number(holder->pid));
    return QCoreApplication::translate("SidelinesStart", "Sidelines is already running.\n\n"
                                                         "Its lock file\n%1\nis held by process %2 on %3.")
        .arg(file, QString::number(holder->pid), holder->host);
}
} // namespace

bool SidelinesStart::begin()
{
    // Made first, so that its picture is drawn while the database is found and opened.
    m_splash = std::make_unique<frmSplash>();
    const DataPlace place =
        DataPlaces::Choose(m_appDir, DataPlaces::IsWritableFolder(m_appDir),
                           DataPlaces::UserDataFolder());
    QString error;
    // The folder first, so that the lock can be taken before the template is copied in: two
    // copies started at once must not both write the first database.
    if (!place.ok() || !QDir().mkpath(place.folder)) {
        MsgBox(place.ok() ? QCoreApplication::translate("SidelinesStart", "Sidelines cannot create its data folder\n%1")
                                .arg(QDir::toNativeSeparators(place.folder))
                          : place.error,
               QMessageBox::Ok, QMessageBox::Critical, QStringLiteral("Sidelines"));
        m_splash.reset();
        return false;
    }

    // Leaving a copy of the program empties the match tables, so a second copy on the same
    // database would wipe a match that the first is recording.
    m_lock = std::make_unique<InstanceLock>(LockPathFor(place.database));
    if (m_lock->state() == InstanceLock::State::HeldElsewhere) {
        MsgBox(AlreadyRunningText(*m_lock), QMessageBox::Ok, QMessageBox::Information, QStringLiteral("Sidelines"));
        m_splash.reset();
        return false;
    }
    // Without the lock nothing would keep a second copy off this database. Only a database that
    // nothing can write (a read-only file or medium) is safe to open without it.
    if (m_lock->state() == InstanceLock::State::Unavailable && !Db::isReadOnlyFile(place.database)) {
        MsgBox(QCoreApplication::translate("SidelinesStart",
                                           "Sidelines cannot start: its lock file\n%1\ncannot be used: %2\n\n"
                                           "Without it, a second copy of Sidelines could start on the same database "
                                           "and clear the matches this one records. When no other copy is running, "
                                           "remove or repair that file, then start Sidelines again.")
                   .arg(QDir::toNativeSeparators(m_lock->path()), m_lock->reason()),
               QMessageBox::Ok, QMessageBox::Critical, QStringLiteral("Sidelines"));
        m_lock.reset();
        m_splash.reset();
        return false;
    }

    if (!DataPlaces::Prepare(place, &error)) {
        MsgBox(error, QMessageBox::Ok, QMessageBox::Critical, QStringLiteral("Sidelines"));
        m_splash.reset();
        return false;
    }
    m_placed = true;
    frmTip::SetTipsFile(place.tipsFile);

    if (!m_splash->Form_Load(place.folder, &error)) {
        MsgBox(QCoreApplication::translate("SidelinesStart", "Sidelines cannot open its database\n%1\n\n%2")
                   .arg(QDir::toNativeSeparators(frmMain::DatabaseFile()), error),
               QMessageBox::Ok, QMessageBox::Critical, QStringLiteral("Sidelines"));
        m_splash.reset();
        return false;
    }
    SetIdleStatus(QCoreApplication::translate("SidelinesStart", "Database: %1").arg(QDir::toNativeSeparators(place.database)));
    if (const QString refusal = Db::writeRefusal(); !refusal.isEmpty())
        MsgBox(QCoreApplication::translate("SidelinesStart",
                                           "Sidelines can read its database\n%1\nbut cannot write to it: %2\n\n"
                                           "The roster and the recorded matches can be looked at. Anything that "
                                           "stores (adding or changing, recording a match, making a report) will be "
                                           "refused until the file can be written.")
                   .arg(QDir::toNativeSeparators(place.database), refusal),
               QMessageBox::Ok, QMessageBox::Warning, QStringLiteral("Sidelines"));
    QObject::connect(m_splash->mainWindow(), &frmMain::leaving, qApp, [] { QCoreApplication::exit(0); });
    m_splash->show();
    m_splash->timer()->start();
    return true;
}
