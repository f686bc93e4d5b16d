// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's controls, menu, start-up and shutdown.
#include "ui/main/main_window.h"

#include "core/storage/quick_load.h"
#include "core/storage/settings.h"
#include "platform/drives.h"
#include "platform/media_player.h"
#include "ui/kit/design_controls.h"
#include "ui/kit/key_codes.h"
#include "ui/kit/keyed_tree.h"
#include "ui/kit/look.h"
#include "ui/kit/twips.h"
#include "ui/kit/wrapping_button.h"
#include "ui/windows/add_songs_window.h"
#include "ui/windows/counter_progress.h"
#include "ui/windows/windows.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QSlider>
#include <QTimer>
#include <cstdlib>

using Kit::DesignFont;
using Kit::FontFace;
using Kit::TwipRect;

Main::Main(MediaPlayer *player, int loadLimitMs, Screen::Messages *messages)
    : MediaPlayer1(player ? player : CreateMediaPlayer()), progress_(std::make_unique<CounterProgress>()),
      door_(model_.screen)
{
    Windows::SetOwner(this, &model_);
    MediaPlayer1->setParent(this);
    transport_ = std::make_unique<PlayControl>(model_, *MediaPlayer1, static_cast<TransportScreen &>(*this), loadLimitMs);
    model_.screen.Attach(static_cast<Screen::Views *>(this));
    model_.screen.Attach(progress_.get());
    model_.screen.Attach(messages ? messages : &boxes_);
    setObjectName(QStringLiteral("Main"));
    setWindowTitle(QStringLiteral("Korvel v1.3"));
    setWindowIcon(Kit::ProgramIcon());
    CreateControls();
    CreateMenu();
    ConnectEvents();
    BindModel();
    Form_Load();
}

Main::~Main()
{
    Windows::UnloadAll();
    Windows::SetOwner(nullptr, nullptr);
}

void Main::CreateControls()
{
    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(TwipRect(0, 0, 7005, 5940).size());
    Kit::SetBackground(client, Kit::LightGrey, false);
    setCentralWidget(client);

    const QFont sans975 = DesignFont(FontFace::SansSerif, 9.75, true);
    const QFont sans825 = DesignFont(FontFace::SansSerif, 8.25, true);
    const QFont serif975 = DesignFont(FontFace::Serif, 9.75, true);

    text_CurrentSong = Kit::Place<QLineEdit>(client, "text_CurrentSong", TwipRect(120, 120, 5535, 375));
    text_CurrentSong->setFont(sans975);
    Kit::SetBackground(text_CurrentSong, Kit::LightYellow, true);

    TreeView1 = Kit::Place<Kit::KeyedTree>(client, "TreeView1", TwipRect(120, 480, 5535, 4575));
    TreeView1->setFont(sans825);
    Kit::SetBackground(TreeView1, Kit::LightBlue, true);

    List1 = Kit::Place<Kit::SongList>(client, "List1", TwipRect(120, 480, 5535, 4545));
    List1->setFont(sans825);
    List1->setSortingEnabled(false);
    List1->setUniformItemSizes(true);
    Kit::SetBackground(List1, Kit::LightBlue, true);
    List1->hide();

    chk_shuffle = Kit::Captioned<QCheckBox>(client, "chk_shuffle", QStringLiteral("Shuffle"), TwipRect(5880, 360, 1095, 255));
    chk_shuffle->setFont(sans975);
    chk_shuffle->setToolTip(QStringLiteral("\"*\" Shuffle"));

    cmd_Q = Kit::Button(client, "cmd_Q", QStringLiteral("Song Q"), TwipRect(5880, 720, 975, 375), serif975);
    cmd_addmp3 = Kit::Button(client, "cmd_addmp3", QStringLiteral("Add"), TwipRect(5880, 1560, 735, 375), serif975);
    cmd_clear = Kit::Button(client, "cmd_clear", QStringLiteral("Clear"), TwipRect(5880, 2040, 735, 375), sans975);
    Label9 = Kit::Label(client, "Label9", QStringLiteral("# Songs"), TwipRect(5880, 2640, 855, 255), sans975);
    Label_TotalAllSongs = Kit::Label(client, "Label_TotalAllSongs", QStringLiteral("0"), TwipRect(5880, 2880, 855, 255), sans975);
    cmd_Cd = Kit::Button(client, "cmd_Cd", QStringLiteral("CD"), TwipRect(5880, 3360, 615, 495), serif975);
    cmd_QuickLoad = Kit::Captioned<Kit::WrappingButton>(client, "cmd_QuickLoad", QStringLiteral("Quick Load"),
                                                        TwipRect(5880, 4320, 735, 615));
    cmd_QuickLoad->setFont(serif975);

    cmd_expand = Kit::PictureButton(client, "cmd_expand", Kit::ExpandPicture(), TwipRect(120, 5235, 375, 375),
                               QStringLiteral("Expand"));
    cmd_shrink = Kit::PictureButton(client, "cmd_shrink", Kit::CollapsePicture(), TwipRect(480, 5235, 375, 375),
                               QStringLiteral("Collapse"));

    Slider1 = Kit::Place<QSlider>(client, "Slider1", TwipRect(1080, 5280, 4575, 225));
    Slider1->setOrientation(Qt::Horizontal);
    Slider1->setRange(0, 120);
    Slider1->setSingleStep(5);
    Slider1->setPageStep(30);

    cmd_play = Kit::PictureButton(client, "cmd_play", Kit::SymbolIcon(Kit::Symbol::Play),
                             TwipRect(1320, 5520, 270, 270), QStringLiteral("Play"));
    cmd_pause = Kit::PictureButton(client, "cmd_pause", Kit::SymbolIcon(Kit::Symbol::Pause),
                              TwipRect(1680, 5520, 270, 270), QStringLiteral("Pause"));
    cmd_stop = Kit::PictureButton(client, "cmd_stop", Kit::SymbolIcon(Kit::Symbol::Stop),
                             TwipRect(2040, 5520, 270, 270), QStringLiteral("Stop"));
    cmd_next = Kit::PictureButton(client, "cmd_next", Kit::SymbolIcon(Kit::Symbol::Next),
                             TwipRect(2400, 5520, 270, 270), QStringLiteral("\"+\" Next"));

    label_currenttime = Kit::Label(client, "label_currenttime", QStringLiteral("00:00"), TwipRect(2880, 5550, 495, 225), sans825);
    label_currenttime->setToolTip(QStringLiteral("Current Time"));
    Label2 = Kit::Label(client, "Label2", QStringLiteral("/"), TwipRect(3420, 5550, 135, 225), sans825);
    label_totaltime = Kit::Label(client, "label_totaltime", QStringLiteral("00:00"), TwipRect(3600, 5550, 495, 225), sans825);
    label_totaltime->setToolTip(QStringLiteral("Total Time"));

    Image1 = Kit::Place<QLabel>(client, "Image1", TwipRect(4440, 5520, 225, 225));
    Image1->setPixmap(Kit::VolumePicture());

    Slider_vol = Kit::Place<QSlider>(client, "Slider_vol", TwipRect(4680, 5520, 975, 255));
    Slider_vol->setOrientation(Qt::Horizontal);
    Slider_vol->setRange(PlayerOptions::QuietestVolume, PlayerOptions::LoudestVolume);
    Slider_vol->setSingleStep(1);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(100);
    MediaPlayer1->setObjectName(QStringLiteral("MediaPlayer1"));
}

void Main::CreateMenu()
{
    mnu_File = menuBar()->addMenu(QStringLiteral("File"));
    mnu_File->setObjectName(QStringLiteral("mnu_File"));
    mnu_Exit = mnu_File->addAction(QStringLiteral("Exit"));
    mnu_Exit->setObjectName(QStringLiteral("mnu_Exit"));

    mnu_Edit = menuBar()->addMenu(QStringLiteral("Edit"));
    mnu_Edit->setObjectName(QStringLiteral("mnu_Edit"));
    mnu_Options = mnu_Edit->addAction(QStringLiteral("Options"));
    mnu_Options->setObjectName(QStringLiteral("mnu_Options"));
    mnu_ReadId3v2Tags = mnu_Edit->addAction(QStringLiteral("Read ID3v2 Tags"));
    mnu_ReadId3v2Tags->setObjectName(QStringLiteral("mnu_ReadId3v2Tags"));
    mnu_ReadId3v2Tags->setCheckable(true);
    const QString tagsTip = QStringLiteral("Artist and title from the ID3v2 tag at the start of each file, else from the "
                                           "ID3v1 tag; songs already listed keep theirs until they are added again");
    mnu_ReadId3v2Tags->setStatusTip(tagsTip);
    mnu_ReadId3v2Tags->setToolTip(tagsTip);
    mnu_Edit->setToolTipsVisible(true);

    mnu_Help = menuBar()->addMenu(QStringLiteral("Help"));
    mnu_Help->setObjectName(QStringLiteral("mnu_Help"));
    mnu_About = mnu_Help->addAction(QStringLiteral("About"));
    mnu_About->setObjectName(QStringLiteral("mnu_About"));
}

void Main::ConnectEvents()
{
    connect(cmd_play, &QPushButton::clicked, this, &Main::cmd_play_Click);
    connect(cmd_next, &QPushButton::clicked, this, &Main::cmd_next_Click);
    connect(cmd_pause, &QPushButton::clicked, this, &Main::cmd_pause_Click);
    connect(cmd_stop, &QPushButton::clicked, this, &Main::cmd_stop_Click);

    connect(cmd_clear, &QPushButton::clicked, this, &Main::cmd_clear_Click);
    connect(cmd_expand, &QPushButton::clicked, this, &Main::cmd_expand_Click);
    connect(cmd_shrink, &QPushButton::clicked, this, &Main::cmd_shrink_Click);
    connect(List1, &QListWidget::itemSelectionChanged, this, &Main::List1_Click);

    connect(cmd_Q, &QPushButton::clicked, this, &Main::cmd_Q_Click);
    connect(cmd_addmp3, &QPushButton::clicked, this, &Main::cmd_addmp3_Click);
    connect(cmd_Cd, &QPushButton::clicked, this, &Main::cmd_Cd_Click);
    connect(cmd_QuickLoad, &QPushButton::clicked, this, &Main::cmd_QuickLoad_Click);
    connect(mnu_Exit, &QAction::triggered, this, &Main::mnu_Exit_Click);
    connect(mnu_Options, &QAction::triggered, this, &Main::mnu_Options_Click);
    connect(mnu_About, &QAction::triggered, this, &Main::mnu_About_Click);

    connect(Timer1, &QTimer::timeout, this, &Main::Timer1_Timer);
    // Only the user's own moves (drag, click, keys, wheel) seek, never the timer's.
    connect(Slider1, &QSlider::actionTriggered, this, [this] {
        // The action has moved the handle but not yet the value: the seek reads the value.
        Slider1->setValue(Slider1->sliderPosition());
        Slider1_Change();
    });
    connect(MediaPlayer1, &MediaPlayer::PlayStateChange, this, &Main::MediaPlayer1_PlayStateChange);
    connect(MediaPlayer1, &MediaPlayer::EndOfStream, this, [this](const OpenedFile &file) { transport_->EndOfStream(file); });
    // A length known only after the file was loaded still reaches the display.
    connect(MediaPlayer1, &MediaPlayer::DurationChange, this, [this] {
        if (MediaPlayer1->FileName() == LastFileName)
            ShowTotalTime();
    });

    // Key preview: the window sees keys before the focused control does; and a double
    // click acts on the selected node or row wherever it lands in a view.
    qApp->installEventFilter(this);
}

bool Main::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonDblClick && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
        if (watched == TreeView1->viewport())
            TreeView1_DblClick();
        else if (watched == List1->viewport())
            List1_DblClick();
    }
    if (event->type() == QEvent::KeyPress && watched == QApplication::focusWidget()) {
        auto *widget = static_cast<QWidget *>(watched);
        if (widget->window() == this) {
            auto *key = static_cast<QKeyEvent *>(event);
            Form_KeyDown(key);
            const QString text = key->text();
            const int ascii = (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)
                                  ? KeyCode::Enter
                                  : (text.size() == 1 ? text.at(0).unicode() : 0);
            if (ascii != 0 && watched == TreeView1)
                TreeView1_KeyPress(ascii);
            else if (ascii != 0 && watched == List1)
                List1_KeyPress(ascii);
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void Main::BindModel()
{
    Settings &settings = model_.settings;
    PlayerOptions &options = model_.options;
    connect(&model_.catalogue, &Catalogue::changed, this, &Main::UpdateSongTotals);
    connect(&settings, &Settings::fontSizeChanged, this, [this] { SetViewFontSize(model_.settings.FontSize()); });
    connect(chk_shuffle, &QCheckBox::toggled, &options, &PlayerOptions::SetShuffle);
    connect(&options, &PlayerOptions::shuffleChanged, chk_shuffle, &QCheckBox::setChecked);
    Slider_vol->setValue(options.Volume());
    connect(Slider_vol, &QSlider::valueChanged, &options, &PlayerOptions::SetVolume);
    connect(&options, &PlayerOptions::volumeChanged, Slider_vol, &QSlider::setValue);
    connect(&options, &PlayerOptions::volumeChanged, this, &Main::Slider_vol_Change);
    // The choice applies from the next tagging pass and is remembered at once, alone.
    connect(mnu_ReadId3v2Tags, &QAction::triggered, this, [this](bool on) {
        const auto tags = on ? Functions::TagReading::Id3v2 : Functions::TagReading::Id3v1;
        model_.settings.SetTags(tags);
        Functions::WriteTagsSetting(model_.screen, tags);
    });
    connect(&settings, &Settings::tagsChanged, this,
            [this] { mnu_ReadId3v2Tags->setChecked(model_.settings.Tags() == Functions::TagReading::Id3v2); });
}

void Main::Form_Load()
{
    model_.options.SetShuffle(true);
    PlaceWindow();
    // The settings come first, so that the catalogue is shown once, in their mode.
    Functions::ReadSettings(model_.settings);
    Functions::LoadStartupPlaylist(model_);
    // A start directory on no mounted drive leaves the drive list as it was.
    Window<frm_addsongs>().SetDrive(Platform::DriveOf(model_.settings.SongsStartDir()));
    Timer1->start();
}

void Main::PlaceWindow()
{
    adjustSize();
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect available = screen->availableGeometry();
    const int left = available.left() + available.width() / 2 - frameGeometry().width() / 2;
    // Five pixels lower than the window system would open it, centred across.
    move(left, available.top() + y() + 5);
}

void Main::closeEvent(QCloseEvent *event)
{
    Windows::UnloadAll();
    event->accept();
}

void Main::mnu_Exit_Click()
{
    std::_Exit(EXIT_SUCCESS);
}
