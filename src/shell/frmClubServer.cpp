#include "shell/frmClubServer.h"

#include "club/ClubCall.h"
#include "club/ClubStore.h"
#include "storage/Database.h"
#include "widgets/MsgBox.h"
#include "widgets/mConstants.h"

#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
QLineEdit* Box(QWidget* parent, const char* name)
{
    auto* box = new QLineEdit(parent);
    box->setObjectName(QString::fromLatin1(name));
    return box;
}
} // namespace

frmClubServer::frmClubServer(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmClubServer"));
    setWindowTitle(tr("Club Server"));
    setModal(true);

    const ClubServer stored = ClubSettings::Server();
    txtHost = Box(this, "txtHost");
    txtHost->setPlaceholderText(tr("a name, an address, or a socket folder"));
    txtHost->setText(stored.host);
    txtPort = Box(this, "txtPort");
    txtPort->setValidator(new QIntValidator(1, 65535, txtPort));
    txtPort->setText(QString::number(stored.port));
    txtDatabase = Box(this, "txtDatabase");
    txtDatabase->setText(stored.database);
    txtUser = Box(this, "txtUser");
    txtUser->setText(stored.user);
    txtPassword = Box(this, "txtPassword");
    txtPassword->setEchoMode(QLineEdit::Password);
    txtPassword->setText(ClubSettings::SessionPassword().value_or(QString()));
    txtCACert = Box(this, "txtCACert");
    txtCACert->setPlaceholderText(tr("needed for a server that is not on this computer"));
    // The hint says when the box matters: wide enough to be read whole, frame and margins beside it.
    txtCACert->setMinimumWidth(txtCACert->fontMetrics().horizontalAdvance(txtCACert->placeholderText()) + 24);
    txtCACert->setText(stored.caFile);
    cmdBrowse = new QPushButton(tr("B&rowse..."), this);
    cmdBrowse->setObjectName(QStringLiteral("cmdBrowse"));
    cmdBrowse->setAutoDefault(false);
    txtBenchName = Box(this, "txtBenchName");
    txtBenchName->setText(ClubSettings::BenchName());
    lblBenchId = new QLabel(tr("Bench identifier: %1").arg(ClubSettings::BenchId()), this);
    lblBenchId->setObjectName(QStringLiteral("lblBenchId"));
    lblBenchId->setTextFormat(Qt::PlainText);
    lblBenchId->setTextInteractionFlags(Qt::TextSelectableByMouse);
    lblTest = new QLabel(this);
    lblTest->setObjectName(QStringLiteral("lblTest"));
    // What the server says may name anything; it shows as text.
    lblTest->setTextFormat(Qt::PlainText);
    lblTest->setWordWrap(true);
    lblTest->setMinimumHeight(lblTest->fontMetrics().lineSpacing() * 4);
    lblTest->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    cmdTest = new QPushButton(tr("&Test"), this);
    cmdTest->setObjectName(QStringLiteral("cmdTest"));
    cmdTest->setAutoDefault(false);
    const OkCancelButtons okCancel = MakeOkCancel(this);
    cmdOK = okCancel.ok;
    cmdCancel = okCancel.cancel;

    auto* form = new QFormLayout;
    form->setFieldGrowthPolicy(QFormLayout::ExpandingFieldsGrow);
    auto addRow = [this, form](const QString& caption, QWidget* field, QLayout* fieldLayout = nullptr) {
        auto* label = new QLabel(caption, this);
        label->setBuddy(field);
        if (fieldLayout)
            form->addRow(label, fieldLayout);
        else
            form->addRow(label, field);
    };
    addRow(tr("&Host:"), txtHost);
    addRow(tr("P&ort:"), txtPort);
    addRow(tr("&Database:"), txtDatabase);
    addRow(tr("&User:"), txtUser);
    addRow(tr("Pass&word:"), txtPassword);
    auto* caRow = new QHBoxLayout;
    caRow->addWidget(txtCACert, 1);
    caRow->addWidget(cmdBrowse);
    addRow(tr("C&A certificate:"), txtCACert, caRow);
    addRow(tr("&Bench name:"), txtBenchName);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdTest);
    buttons->addStretch();
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(lblBenchId);
    layout->addWidget(lblTest, 1);
    layout->addLayout(buttons);

    connect(cmdTest, &QPushButton::clicked, this, &frmClubServer::cmdTest_Click);
    connect(cmdOK, &QPushButton::clicked, this, &frmClubServer::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmClubServer::reject);
    connect(cmdBrowse, &QPushButton::clicked, this, &frmClubServer::cmdBrowse_Click);

    setMinimumWidth(qMax(480, fontMetrics().horizontalAdvance(QLatin1Char('x')) * 64));
    adjustSize();
    CentreOnScreen(this);
    txtHost->setFocus();
}

ClubServer frmClubServer::server() const
{
    ClubServer s;
    s.host = txtHost->text().trimmed();
    bool ok = false;
    s.port = txtPort->text().trimmed().toInt(&ok);
    if (!ok)
        s.port = 0;
    s.database = txtDatabase->text().trimmed();
    s.user = txtUser->text().trimmed();
    s.caFile = txtCACert->text().trimmed();
    return s;
}

bool frmClubServer::choose()
{
    return exec() == QDialog::Accepted;
}

void frmClubServer::cmdBrowse_Click()
{
    const QString file = QFileDialog::getOpenFileName(this, tr("The Club Server's CA Certificate"), txtCACert->text(),
                                                      tr("Certificates (*.crt *.pem *.cer);;All files (*)"));
    if (!file.isEmpty())
        txtCACert->setText(file);
}

void frmClubServer::cmdTest_Click()
{
    const ClubServer s = server();
    if (const QString problem = ClubSettings::Problem(s); !problem.isEmpty() || !s.isSet()) {
        lblTest->setText(problem.isEmpty() ? tr("Name the club server's database and this bench's login role first.")
                                           : problem);
        return;
    }
    lblTest->setText(tr("Connecting to %1...").arg(s.describe()));
    ClubStore::Found found;
    try {
        BusyPointer busy(this);
        ClubCall call(ClubCall::Limits::Window(), tr("Connecting to the club server..."));
        const QString password = txtPassword->text();
        call.run([&](ClubCall& c) { found = ClubStore::Test(s, password, c); });
    } catch (const DbError& e) {
        lblTest->setText(tr("No connection: %1").arg(e.message()));
        return;
    }
    QString said = tr("Connected to PostgreSQL %1 as %2.").arg(found.serverVersion, found.user);
    if (found.tables)
        said += QLatin1Char(' ')
                + tr("The club's tables are there, with %1 from %2.")
                      .arg(found.matches == 1 ? tr("1 match") : tr("%1 matches").arg(found.matches),
                           found.benches == 1 ? tr("1 bench") : tr("%1 benches").arg(found.benches));
    else
        said += QLatin1Char(' ')
                + tr("The club's tables are not there, or %1 may not read them: set the database up with schema.sql "
                     "and roles.sql (see the README).")
                      .arg(found.user);
    lblTest->setText(said);
}

void frmClubServer::cmdOK_Click()
{
    const ClubServer s = server();
    if (const QString problem = ClubSettings::Problem(s); !problem.isEmpty()) {
        MsgBox(problem, QMessageBox::Ok, QMessageBox::Warning, windowTitle());
        (s.port < 1 || s.port > 65535 ? txtPort : s.database.isEmpty() ? txtDatabase : s.user.isEmpty() ? txtUser : txtCACert)
            ->setFocus();
        return;
    }
    ClubSettings::SaveServer(s);
    ClubSettings::SetBenchName(txtBenchName->text());
    const QString password = txtPassword->text();
    ClubSettings::SetSessionPassword(password);
    if (s.isSet()) {
        KeyStore::Answer stored;
        {
            BusyPointer busy(this);
            stored = KeyStore::WritePassword(s.describe(), password);
        }
        if (!stored.reachable)
            MsgBox(tr("The system's key store cannot be reached (%1).\n\nThe password is kept only until Sidelines "
                      "closes, and Sidelines will ask for it at each start.")
                       .arg(stored.error),
                   QMessageBox::Ok, QMessageBox::Warning, windowTitle());
    }
    accept();
}
