#pragma once

#include "platform/Panel.h"
#include "platform/Process.h"
#include "platform/SpeedButton.h"

#include <QLabel>
#include <QMenuBar>
#include <QProgressBar>
#include <QTabBar>
#include <QTimer>
#include <QWidget>

#include <array>

class QVBoxLayout;
class TAlignLayout;
class TfmVorlage;

// The strip window at the top of the screen: menu, three flat buttons, the two
// progress bars of the series and the tab strip of the exercises. The exercise
// of the selected tab is shown directly below it.
class TForm2 : public QWidget {
    Q_OBJECT
public:
    explicit TForm2(QWidget* parent = nullptr);
    ~TForm2() override;

    void FormCreate();
    void FormShow();
    void TabControl1Change();
    void Beenden1Click();
    void SpeedButton2Click();
    void SpeedButton3Click();
    void Rechner1Click() { SpeedButton2Click(); }
    void Statistik1Click() { SpeedButton3Click(); }
    void Info2Click();
    void Lernverlauf1Click();
    void LernverlaufExportieren1Click();
    void LernverlaufLoeschen1Click();
    void LernverlaufAufzeichnen1Click();
    void FormKeyDown(int key, Qt::KeyboardModifiers shift);
    void FormDestroy();
    // Selects the tab `step` places on, wrapping around at either end.
    void SelectNextTab(int step);

    // The exercise window for a tab index, or none when that exercise is not there.
    static TfmVorlage* ExerciseWindow(int tabIndex);

    QMenuBar* MainMenu1;
    QMenu* Datei1;
    QAction* Beenden1;
    QMenu* Tools1;
    QAction* Rechner1;
    QAction* Statistik1;
    QAction* Lernverlauf1;
    QAction* LernverlaufExportieren1;
    QAction* LernverlaufLoeschen1;
    QAction* LernverlaufAufzeichnen1;
    QMenu* info1;
    QAction* Info2;

    TPanel* Panel1;
    TSpeedButton* SpeedButton1;
    TSpeedButton* SpeedButton2;
    TSpeedButton* SpeedButton3;
    QLabel* Label1;
    QLabel* Label2;
    QProgressBar* pbCount;
    QProgressBar* pbSuccess;
    QTabBar* TabControl1;

    TProcessInformation CalcProcess;
    TfmVorlage* CurrentExercise = nullptr;

    // Where the exercise window goes, from the main window's outer bounds.
    static QRect ExerciseBounds(const QRect& mainOuter);

    // Showing runs FormShow once the strip itself is mapped, so that the
    // exercise window it shows is transient for a window the desktop knows.
    void setVisible(bool visible) override;

protected:
    void changeEvent(QEvent* event) override;
    // The exercise window follows the strip.
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void createMenu(QVBoxLayout* outer);
    void createPanel(TAlignLayout* align);
    void createSeriesBars();
    void createTabs(TAlignLayout* align);
    void placeExercise();
    // Moves the strip, and so the exercise window, where both fit the screen.
    void fitToScreen();

    QWidget* m_client;
    QTimer* m_fit;
    bool m_destroyed = false;
};

extern TForm2* Form2;
