#pragma once

#include "club/ClubSettings.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

// "Club Server": where the club's shared PostgreSQL database is, this bench's login role and
// password, the CA certificate that a distant server's certificate must be signed by, and this
// bench's name. Test connects (off the window's thread) and says what it found; OK keeps the
// settings, the password in the system's key store.
class frmClubServer : public QDialog
{
    Q_OBJECT

public:
    explicit frmClubServer(QWidget* parent = nullptr);

    // Shows the window; true when OK kept the settings.
    bool choose();

    // The server as the boxes name it now.
    ClubServer server() const;

private:
    void cmdTest_Click();
    void cmdOK_Click();
    void cmdBrowse_Click();

    QLineEdit* txtHost;
    QLineEdit* txtPort;
    QLineEdit* txtDatabase;
    QLineEdit* txtUser;
    QLineEdit* txtPassword;
    QLineEdit* txtCACert;
    QPushButton* cmdBrowse;
    QLineEdit* txtBenchName;
    QLabel* lblBenchId;
    QLabel* lblTest;
    QPushButton* cmdTest;
    QPushButton* cmdOK;
    QPushButton* cmdCancel;
};
