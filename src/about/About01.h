#pragma once

#include <QDialog>
#include <QTimer>

class BevelBox;
class AboutPanel;
class QLabel;
class QLineEdit;
class QPushButton;
class StretchedPicture;

// The About dialog and the start-up splash, one window serving twice. As the
// splash it shows the framed title panel without a window frame for two
// seconds; as the About dialog it plays a short animation each time it opens
// (the title slides down, the icon grows from a point, OK rises from below
// the edge), and a double click on the icon lets it grow to uncover where new
// versions are found. Its timers run only while it is on the screen.
class Taboutform : public QDialog {
    Q_OBJECT
public:
    explicit Taboutform(QWidget* parent = nullptr);

    // Components, under their form names; positions are those of the form
    // until the splash or the dialog rearranges them.
    BevelBox* Bevelabout;
    AboutPanel* Panelabout;
    AboutPanel* Panel1; // the icon's frame
    StretchedPicture* Image1;
    StretchedPicture* ImageNameR; // title lettering, Russian
    StretchedPicture* ImageNameE; // title lettering, English
    StretchedPicture* ImNamR;     // credit line, Russian
    StretchedPicture* ImNamE;     // credit line, English
    // The text lines the main window fills in the current language.
    QLabel* Labelfor;  // platform line
    QLabel* Labelver;  // version line
    QLabel* Labelnewv; // where new versions come from
    QPushButton* BitBtn1;
    AboutPanel* PanelSecret; // uncovered by a double click on the icon
    QLineEdit* Edit1;        // the address of new versions

    QTimer Timerstop;    // ends the splash
    QTimer TimerName;    // title and icon
    QTimer Timerbutton;  // OK rising
    QTimer Timerflyform; // growing to uncover PanelSecret

    // Shows the title and credit pictures of language 1 (Russian) or 2
    // (English); any other number changes nothing.
    void vis(int language);
    // The splash: the title panel alone, frameless, centred on the screen and
    // on top of the main window, closing itself two seconds after it appears.
    // Returns at once; the splash appears once the main window is drawn.
    void firstshow(int language);
    // The About dialog over the main window's rectangle, animation restarted.
    // Modal, returning when it closes; but if the splash is still on the
    // screen it is turned into the dialog there and left to the splash timer.
    void aboutshow(int language, int mainLeft, int mainTop, int mainWidth, int mainHeight);
    // True while the window has its dialog frame (the About dialog, not the splash).
    bool framed() const { return dialogFrame; }

public Q_SLOTS:
    void TimerstopTimer();
    void TimerNameTimer();
    void TimerbuttonTimer();
    void TimerflyformTimer();
    void Image1DblClick();
    void BitBtn1Click();

protected:
    void hideEvent(QHideEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void setFrame(bool dialog);
    void setClientHeight(int height);
    void showSplash();

    bool dialogFrame = true;
    bool rearranging = false;
    bool splashPending = false; // waiting for the main window to be drawn
    bool windowIconSet = false;
};

extern Taboutform* aboutform;
