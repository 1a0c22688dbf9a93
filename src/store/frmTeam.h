#pragma once

#include <QDialog>
#include <QString>

class QLabel;
class QLineEdit;
class QPushButton;

// The team edit window: one name box. On OK the typed name goes to pubTeam().
class frmTeam : public QDialog
{
    Q_OBJECT

public:
    explicit frmTeam(QWidget* parent = nullptr);

    // The rename command relabels the buttons and fills the box.
    void setButtonCaptions(const QString& ok, const QString& cancel);
    void setTeamName(const QString& name);

public slots:
    void accept() override;
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void cmdOk_Click();

    QLabel* lblCaptionForName = nullptr;
    QLineEdit* txtTeamName = nullptr;
    QPushButton* cmdOk = nullptr;
    QPushButton* cmdCancel = nullptr;
};
