#pragma once

#include <QDialog>
#include <QString>

class QLabel;
class QLineEdit;
class QPushButton;

// The player edit window: shirt number and name. On the accepting button the typed values go to
// pubPlayer(); "Done" (or the close box) ends the adding.
class frmPlayer : public QDialog
{
    Q_OBJECT

public:
    explicit frmPlayer(QWidget* parent = nullptr);

    // The edit command relabels the buttons and fills both boxes.
    void setButtonCaptions(const QString& ok, const QString& cancel);
    void setPlayer(qint16 number, const QString& name);

public slots:
    void accept() override;
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void cmdOk_Click();

    QLabel* lblPlayerNum = nullptr;
    QLineEdit* txtPlayerNumber = nullptr;
    QLabel* lblPlayerName = nullptr;
    QLineEdit* txtPlayerName = nullptr;
    QPushButton* cmdOk = nullptr;
    QPushButton* cmdCancel = nullptr;
};
