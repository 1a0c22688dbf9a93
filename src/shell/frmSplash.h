#pragma once

#include <QImage>
#include <QPointer>
#include <QWidget>

#include <future>
#include <memory>

class QFrame;
class QLabel;
class InstanceLock;
class QTimer;
class frmMain;

// The window the program opens with. Its load loads the main window; its one-second timer shows
// the main window on the second tick and closes the splash (then offers a tip) on the fifth.
class frmSplash : public QWidget
{
    Q_OBJECT

public:
    explicit frmSplash(QWidget* parent = nullptr);
    ~frmSplash() override;

    // Fills the labels, centres the window and loads (without showing) the main window on the
    // application folder appDir. False, with the reason in *error, when the main window could
    // not open the database.
    bool Form_Load(const QString& appDir, QString* error);

    frmMain* mainWindow() const { return m_main.get(); }
    int iCount() const { return m_iCount; }
    QTimer* timer() const { return Timer1; }

public slots:
    // One tick of the splash timer; tests call it directly instead of waiting.
    void Timer1_Timer();

protected:
    void showEvent(QShowEvent* event) override;

private:
    // The picture is drawn on another thread from the moment the window is made, and put in
    // when the window is first shown.
    std::future<QImage> m_picture;

    QFrame* SSPanel1 = nullptr;
    QFrame* frameSplash = nullptr;
    QLabel* Picture1 = nullptr;
    QLabel* lblProductName = nullptr;
    QLabel* lblVersion = nullptr;
    QLabel* lblPlatform = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* lblCompanyProduct = nullptr;
    QTimer* Timer1 = nullptr;

    qint16 m_iCount = 0;
    std::unique_ptr<frmMain> m_main;
};

// The start of the program on one application folder: refuses a second copy on the same folder,
// loads the splash (which loads the main window and opens the database) and shows it. The main
// window's exit ends the Qt event loop.
class SidelinesStart
{
public:
    // appDir: the application folder (the executable's folder in the program).
    explicit SidelinesStart(const QString& appDir);
    ~SidelinesStart();
    SidelinesStart(const SidelinesStart&) = delete;
    SidelinesStart& operator=(const SidelinesStart&) = delete;

    static QString LockFileName();
    // The lock that keeps a second copy off a database: beside the database file actually
    // opened, links resolved, so that two folders sharing one file share one lock.
    static QString LockPathFor(const QString& databaseFile);

    // Chooses where the database lives (beside the program, or in the user's data folder for an
    // installed copy) and says so on the status line.
    // False after telling the user why (another copy running, a lock file that cannot be used on
    // a database that can be written, no place for the database, database missing or unreadable);
    // the caller then ends with a non-zero status.
    bool begin();

    frmSplash* splash() const { return m_splash.get(); }
    frmMain* mainWindow() const;

private:
    QString m_appDir;
    bool m_placed = false;
    std::unique_ptr<InstanceLock> m_lock;
    std::unique_ptr<frmSplash> m_splash;
};
