// The media player's device: opening needs a file or a device type, failures
// of the device come back as exceptions (reported, never a crash or a box
// in a test), and with no device open the buttons do nothing harmful.
#include "ControlsTestSupport.h"
#include "toolkit/win/controls/MediaPlayer.h"

#include "toolkit/win/window/ModalUI.h"

#include <mmsystem.h>

#include <cstdio>
#include <fstream>

using namespace ctltest;
using namespace fw::mpbtn;

namespace {

using MediaDeviceTest = ShownForm;

// A short silent sound file in the temporary folder.
std::string MakeWave(const char* name) {
    wchar_t dir[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, dir);
    std::string path = win::Narrow(dir) + name;
    const uint32_t samples = 4000, rate = 8000;
    std::ofstream f(path, std::ios::binary);
    auto u32 = [&](uint32_t v) { f.write(reinterpret_cast<const char*>(&v), 4); };
    auto u16 = [&](uint16_t v) { f.write(reinterpret_cast<const char*>(&v), 2); };
    f.write("RIFF", 4);
    u32(36 + samples);
    f.write("WAVEfmt ", 8);
    u32(16);
    u16(1);    // PCM
    u16(1);    // mono
    u32(rate);
    u32(rate); // bytes per second
    u16(1);    // block align
    u16(8);    // bits per sample
    f.write("data", 4);
    u32(samples);
    std::string silence(samples, static_cast<char>(0x80));
    f.write(silence.data(), samples);
    return path;
}

} // namespace

TEST_F(MediaDeviceTest, WithoutADeviceTheButtonsOnlyReport) {
    TModalUIScope boxes;
    auto* mp = Make<TMediaPlayer>("MediaPlayer1");
    int posted = 0;
    mp->OnPostClick.Bind([&](TObject*, TMPBtnType) { ++posted; });
    for (int b = 0; b < TMediaPlayer::ButtonCount; ++b)
        ClickAt(mp->Handle(), Centre(mp->ButtonRect(static_cast<TMPBtnType>(b))));
    EXPECT_EQ(posted, TMediaPlayer::ButtonCount);
    EXPECT_FALSE(mp->DeviceOpen());
    EXPECT_EQ(mp->Mode(), "");
    EXPECT_TRUE(boxes->Calls.empty()) << "no box for a player with nothing to play";
    EXPECT_THROW(mp->Play(), EMCIDeviceError) << "asked directly, the missing device is an error";
    EXPECT_THROW(mp->Eject(), EMCIDeviceError);
}

TEST_F(MediaDeviceTest, OpeningNeedsAFileOrADeviceAndFailuresRaise) {
    auto* mp = Make<TMediaPlayer>("MediaPlayer1");
    EXPECT_THROW(mp->Open(), EMCIDeviceError);
    mp->SetFileName("C:\\no\\such\\folder\\missing.wav");
    try {
        mp->Open();
        ADD_FAILURE() << "a missing file opened";
    } catch (const EMCIDeviceError& e) {
        EXPECT_FALSE(e.Message().empty());
    }
    EXPECT_FALSE(mp->DeviceOpen());
    mp->SetFileName("C:\\a\" type waveaudio alias x\".wav");
    EXPECT_THROW(mp->Open(), EMCIDeviceError) << "a quote cannot break out of the file name";
    EXPECT_FALSE(mp->DeviceOpen());
}

TEST_F(MediaDeviceTest, AnAutomaticOpenThatFailsIsReportedAndTheFormStillLoads) {
    TModalUIScope boxes;
    auto* mp = Make<TMediaPlayer>("MediaPlayer1");
    mp->SetAutoOpen(true);
    mp->SetFileName("C:\\no\\such\\folder\\missing.wav");
    EXPECT_FALSE(mp->DeviceOpen()) << "setting AutoOpen opens nothing by itself";
    Bytes bytes = Store(mp, form);
    TForm copyForm(nullptr);
    copyForm.SetName("Copy");
    auto* copy = Restore<TMediaPlayer>(bytes, copyForm, "MediaPlayer1");
    ASSERT_NE(copy, nullptr);
    EXPECT_TRUE(copy->AutoOpen());
    EXPECT_FALSE(copy->DeviceOpen());
    ASSERT_EQ(boxes->Calls.size(), 1u) << "the failure was reported once";
    EXPECT_EQ(boxes->Calls[0].Kind, "MessageBox");
}

TEST_F(MediaDeviceTest, ASoundFileOpensPlaysAndCloses) {
    std::string path = MakeWave("fw_media_silence.wav");
    auto* mp = Make<TMediaPlayer>("MediaPlayer1");
    mp->SetFileName(path);
    mp->SetDeviceType(dtWaveAudio);
    mp->SetEnabledButtons(TButtonSet{btEject});
    mp->Open();
    EXPECT_TRUE(mp->DeviceOpen());
    EXPECT_EQ(mp->Mode(), "stopped");
    // A standing device: everything but Pause and Stop, whatever EnabledButtons says.
    EXPECT_EQ(mp->ButtonsEnabledNow(), (TMediaPlayer::AllButtons() - TButtonSet{btPause, btStop}));
    int clicks = 0;
    mp->OnClick.Bind([&](TObject*, TMPBtnType, bool&) { ++clicks; });
    ClickAt(mp->Handle(), Centre(mp->ButtonRect(btStop)));
    EXPECT_EQ(clicks, 0);
    mp->SetAutoEnable(false);
    EXPECT_EQ(mp->ButtonsEnabledNow(), (TButtonSet{btEject}));
    mp->SetAutoEnable(true);
    mp->SetEnabledButtons(TMediaPlayer::AllButtons());
    mp->Next();
    mp->Previous();

    // Playing ends with a notification, whether the machine can sound or not.
    int notes = 0;
    mp->OnNotify.Bind([&](TObject*) { ++notes; });
    ClickAt(mp->Handle(), Centre(mp->ButtonRect(btPlay)));
    for (int i = 0; i < 150 && notes == 0; ++i) {
        Sleep(20);
        Pump();
    }
    EXPECT_EQ(notes, 1);
    uint32_t v = mp->NotifyValue();
    EXPECT_TRUE(v == MCI_NOTIFY_SUCCESSFUL || v == MCI_NOTIFY_SUPERSEDED || v == MCI_NOTIFY_ABORTED ||
                v == MCI_NOTIFY_FAILURE)
        << v;
    mp->Stop();

    // A button whose action the device refuses: the error is reported, the
    // click is not posted, and the player goes on.
    {
        TModalUIScope boxes;
        int posted = 0;
        mp->OnPostClick.Bind([&](TObject*, TMPBtnType) { ++posted; });
        ClickAt(mp->Handle(), Centre(mp->ButtonRect(btEject)));
        ASSERT_EQ(boxes->Calls.size(), 1u);
        EXPECT_FALSE(boxes->Calls[0].Text.empty());
        EXPECT_EQ(posted, 0);
        EXPECT_FALSE(mp->ButtonPushed(btEject));
        EXPECT_NE(GetCapture(), mp->Handle());
        ClickAt(mp->Handle(), Centre(mp->ButtonRect(btPrev)));
        EXPECT_EQ(posted, 1);
    }
    mp->Close();
    EXPECT_FALSE(mp->DeviceOpen());
    EXPECT_EQ(mp->ButtonsEnabledNow(), TMediaPlayer::AllButtons()) << "closed: EnabledButtons again";
    EXPECT_THROW(mp->Stop(), EMCIDeviceError);

    // Open again, and let the player close the device when it goes.
    mp->Open();
    EXPECT_TRUE(mp->DeviceOpen());
    delete mp;
    std::remove(path.c_str());
}
