// The radio's menu settings as a table: where each lives in the memory, how it is
// encoded, its choices, and what it does in the owner's words (a table of data).

#include "image/radio_settings_table.h"

#include "text/window_text.h"

#include <string>
#include <vector>

namespace ft817 {

namespace {

constexpr int kSettingsBlock = 1;
constexpr Location kCallsignStart{48, 79};

// The rows of the table, by the kind of value they hold.
RadioSetting listSetting(std::string_view key, std::string_view name, SettingGroup group, int index,
                         int highBit, int lowBit, std::vector<std::string> options)
{
    const int last = static_cast<int>(options.size()) - 1;
    return RadioSetting{key,
                        name,
                        group,
                        {kSettingsBlock, index},
                        highBit,
                        lowBit,
                        SettingEncoding::List,
                        std::move(options),
                        0,
                        last,
                        nullptr,
                        {},
                        0};
}

RadioSetting onOffSetting(std::string_view key, std::string_view name, SettingGroup group, int index, int bit)
{
    return RadioSetting{
        key,     name, group, {kSettingsBlock, index}, bit, bit, SettingEncoding::OnOff, {}, 0, 1,
        nullptr, {},   0};
}

RadioSetting numberSetting(std::string_view key, std::string_view name, SettingGroup group, int index,
                           int highBit, int lowBit, SettingEncoding encoding, int minimum, int maximum)
{
    return RadioSetting{
        key,     name, group, {kSettingsBlock, index}, highBit, lowBit, encoding, {}, minimum, maximum,
        nullptr, {},   0};
}

// A whole byte of 0..100, as the gains, levels and volumes are stored.
RadioSetting levelSetting(std::string_view key, std::string_view name, SettingGroup group, int index)
{
    return numberSetting(key, name, group, index, 6, 0, SettingEncoding::Unsigned, 0, 100);
}

RadioSetting usOnly(RadioSetting setting, bool RadioModel::*flag)
{
    setting.onlyWhere = flag;
    return setting;
}

// Options "first unit" .. "last unit" in steps ("4 wpm" .. "60 wpm").
std::vector<std::string> numbered(int first, int last, int step, const std::string& unit)
{
    std::vector<std::string> options;
    for (int value = first; value <= last; value += step)
        options.push_back(std::to_string(value) + unit);
    return options;
}

std::vector<std::string> timeOutOptions()
{
    std::vector<std::string> options = numbered(0, 20, 1, "");
    options.front() = "Off";
    return options;
}

std::vector<std::string> weightOptions()
{
    // 1:2.5 .. 1:4.5 in tenths.
    std::vector<std::string> options;
    for (int tenths = 25; tenths <= 45; ++tenths)
        options.push_back("1:" + std::to_string(tenths / 10) + "." + std::to_string(tenths % 10));
    return options;
}

// What each setting does for the radio's owner, and its menu item number
// where the radio's documentation establishes it (0: not established, or no
// menu item at all, as the front panel's state).
struct OwnerWords {
    std::string_view key;
    std::string_view description;
    int menuNumber;
};

constexpr OwnerWords kOwnerWords[] = {
    {"ars_2m",
     FT817_WINDOW_TEXT("RadioSettings",
                       "Shifts the transmit frequency automatically on the 2 m repeater sub-bands."),
     1},
    {"ars_70cm",
     FT817_WINDOW_TEXT("RadioSettings",
                       "Shifts the transmit frequency automatically on the 70 cm repeater sub-bands."),
     2},
    {"am_mic_gain", FT817_WINDOW_TEXT("RadioSettings", "Sets the microphone gain used on AM."), 0},
    {"apo_time",
     FT817_WINDOW_TEXT("RadioSettings",
                       "Switches the radio off after this long without a key pressed or the dial turned."),
     0},
    {"arts_beep",
     FT817_WINDOW_TEXT(
         "RadioSettings",
         "Chooses when ARTS beeps: never, when the other station comes in or goes out of range, or on every "
         "check."),
     0},
    {"battery_charge_time",
     FT817_WINDOW_TEXT("RadioSettings", "Sets how long the radio charges an internal battery pack."), 0},
    {"cat_rate",
     FT817_WINDOW_TEXT("RadioSettings",
                       "Sets the serial speed of the CAT socket; the computer must use the same speed."),
     14},
    {"fm_mic_gain", FT817_WINDOW_TEXT("RadioSettings", "Sets the microphone gain used on FM."), 0},
    {"memory_groups",
     FT817_WINDOW_TEXT("RadioSettings", "Splits the 200 memory channels into groups of 20 to step through."),
     0},
    {"mic_scan",
     FT817_WINDOW_TEXT("RadioSettings", "Lets the microphone's UP and DWN keys start a scan when held."), 0},
    {"optional_filter",
     FT817_WINDOW_TEXT(
         "RadioSettings",
         "Tells the radio which optional filter is fitted: none, an SSB filter or a CW filter."),
     0},
    {"scan_resume",
     FT817_WINDOW_TEXT("RadioSettings", "Sets how long a scan waits on a signal before it moves on."), 0},
    {"spectrum_scope",
     FT817_WINDOW_TEXT(
         "RadioSettings",
         "Chooses whether the spectrum scope sweeps all the time (Cont) or only now and then (Chk)."),
     0},
    {"ssb_mic_gain", FT817_WINDOW_TEXT("RadioSettings", "Sets the microphone gain used on SSB."), 0},
    {"tot_time",
     FT817_WINDOW_TEXT("RadioSettings", "Ends a transmission that lasts longer than this many minutes."), 0},
    {"vox_delay",
     FT817_WINDOW_TEXT("RadioSettings",
                       "Sets how long the radio keeps transmitting on VOX after you stop speaking."),
     0},
    {"vox_gain",
     FT817_WINDOW_TEXT("RadioSettings", "Sets how loud you must speak for VOX to start transmitting."), 0},
    {"tx_power",
     FT817_WINDOW_TEXT("RadioSettings", "Sets the transmit power: high or one of the three low levels."), 0},
    {"emergency",
     FT817_WINDOW_TEXT("RadioSettings", "Allows transmitting on the Alaska emergency frequency, 5167.5 kHz."),
     0},
    {"cw_delay",
     FT817_WINDOW_TEXT(
         "RadioSettings",
         "Sets how long the radio stays on transmit after the last CW element in semi break-in."),
     0},
    {"cw_id",
     FT817_WINDOW_TEXT("RadioSettings", "While ARTS is on, sends the ID callsign in CW now and then."), 0},
    {"cw_paddle", FT817_WINDOW_TEXT("RadioSettings", "Swaps the dot and dash sides of the paddle."), 0},
    {"cw_pitch",
     FT817_WINDOW_TEXT("RadioSettings", "Sets the pitch of the CW sidetone and the received CW note."), 0},
    {"cw_speed", FT817_WINDOW_TEXT("RadioSettings", "Sets the electronic keyer's speed in words per minute."),
     0},
    {"cw_weight", FT817_WINDOW_TEXT("RadioSettings", "Sets the electronic keyer's dot-to-dash ratio."), 0},
    {"mic_key",
     FT817_WINDOW_TEXT("RadioSettings", "Lets the microphone's UP and DWN keys work as a CW paddle."), 0},
    {"sidetone_volume", FT817_WINDOW_TEXT("RadioSettings", "Sets how loud you hear your own CW."), 0},
    {"id_callsign",
     FT817_WINDOW_TEXT("RadioSettings",
                       "The callsign the radio sends in CW for CW ID: up to 7 of 0-9, A-Z and space."),
     0},
    {"break_in",
     FT817_WINDOW_TEXT("RadioSettings",
                       "Switches CW semi break-in on: pressing the key starts transmitting."),
     0},
    {"keyer", FT817_WINDOW_TEXT("RadioSettings", "Switches the built-in electronic keyer on for a paddle."),
     0},
    {"pkt_9600_mic_level",
     FT817_WINDOW_TEXT("RadioSettings", "Sets the audio level from a 9600 baud packet modem."), 0},
    {"dig_display_offset",
     FT817_WINDOW_TEXT("RadioSettings", "Moves the frequency the display shows in the digital modes."), 0},
    {"dig_mic_level",
     FT817_WINDOW_TEXT("RadioSettings", "Sets the audio level from the data socket in the digital modes."),
     0},
    {"dig_mode", FT817_WINDOW_TEXT("RadioSettings", "Chooses the digital mode the DIG mode uses."), 0},
    {"dig_shift", FT817_WINDOW_TEXT("RadioSettings", "Moves the carrier point in the digital modes."), 0},
    {"pkt_mic_level",
     FT817_WINDOW_TEXT("RadioSettings", "Sets the audio level from a 1200 baud packet modem."), 0},
    {"pkt_rate", FT817_WINDOW_TEXT("RadioSettings", "Chooses the packet speed: 1200 or 9600 baud."), 0},
    {"split",
     FT817_WINDOW_TEXT("RadioSettings",
                       "Split operation as the radio was left: receive on one VFO, transmit on the other."),
     0},
    {"scan", FT817_WINDOW_TEXT("RadioSettings", "The scan as the radio was left: none, up or down."), 0},
    {"priority_watch", FT817_WINDOW_TEXT("RadioSettings", "Priority watch as the radio was left."), 0},
    {"dual_watch", FT817_WINDOW_TEXT("RadioSettings", "Dual watch as the radio was left."), 0},
    {"arts",
     FT817_WINDOW_TEXT("RadioSettings", "ARTS (auto range transponder system) as the radio was left."), 0},
    {"noise_blanker", FT817_WINDOW_TEXT("RadioSettings", "The noise blanker as the radio was left."), 0},
    {"agc", FT817_WINDOW_TEXT("RadioSettings", "The AGC speed as the radio was left."), 0},
    {"meter",
     FT817_WINDOW_TEXT("RadioSettings", "What the meter shows while transmitting, as the radio was left."),
     0},
    {"vox", FT817_WINDOW_TEXT("RadioSettings", "VOX (transmit when you speak) as the radio was left."), 0},
    {"fast_tuning", FT817_WINDOW_TEXT("RadioSettings", "Fast tuning of the main dial as the radio was left."),
     0},
    {"lock", FT817_WINDOW_TEXT("RadioSettings", "The lock as the radio was left."), 0},
    {"am_fm_dial",
     FT817_WINDOW_TEXT("RadioSettings", "Lets the SEL knob tune in AM and FM, or stops it from doing so."),
     0},
    {"lcd_backlight",
     FT817_WINDOW_TEXT("RadioSettings",
                       "Sets the display's lamp: off, on, or on for a while after a key is pressed."),
     0},
    {"beep_frequency", FT817_WINDOW_TEXT("RadioSettings", "Sets the pitch of the key beep."), 0},
    {"beep_volume", FT817_WINDOW_TEXT("RadioSettings", "Sets how loud the key beep is."), 0},
    {"lcd_colour", FT817_WINDOW_TEXT("RadioSettings", "Sets the colour of the display's lamp."), 0},
    {"lcd_contrast", FT817_WINDOW_TEXT("RadioSettings", "Sets the display's contrast."), 0},
    {"lock_mode",
     FT817_WINDOW_TEXT("RadioSettings",
                       "Chooses what the lock holds: the dial, the frequency, or the whole front panel."),
     0},
    {"main_dial_step", FT817_WINDOW_TEXT("RadioSettings", "Chooses fine or coarse steps for the main dial."),
     0},
    {"rf_sql_knob",
     FT817_WINDOW_TEXT("RadioSettings", "Chooses what the RF/SQL knob sets: the RF gain or the squelch."), 0},
    {"extended_menu",
     FT817_WINDOW_TEXT("RadioSettings",
                       "Shows the extended menu items (DCS inversion and the carrier points) on the radio."),
     0},
    {"dcs_inversion",
     FT817_WINDOW_TEXT("RadioSettings", "Inverts the DCS code on transmit, on receive, or both."), 0},
    {"rx_lsb_carrier",
     FT817_WINDOW_TEXT("RadioSettings",
                       "Moves the receive carrier point on LSB, which changes the audio's tone."),
     0},
    {"rx_usb_carrier",
     FT817_WINDOW_TEXT("RadioSettings",
                       "Moves the receive carrier point on USB, which changes the audio's tone."),
     0},
    {"tx_lsb_carrier",
     FT817_WINDOW_TEXT("RadioSettings",
                       "Moves the transmit carrier point on LSB, which changes your audio's tone."),
     0},
    {"tx_usb_carrier",
     FT817_WINDOW_TEXT("RadioSettings",
                       "Moves the transmit carrier point on USB, which changes your audio's tone."),
     0},
    {"antenna_hf",
     FT817_WINDOW_TEXT("RadioSettings", "The antenna socket used on HF: the front BNC or the rear SO-239."),
     0},
    {"antenna_6m",
     FT817_WINDOW_TEXT("RadioSettings", "The antenna socket used on 6 m: the front BNC or the rear SO-239."),
     0},
    {"antenna_fm_broadcast",
     FT817_WINDOW_TEXT("RadioSettings",
                       "The antenna socket used for FM broadcast: the front BNC or the rear SO-239."),
     0},
    {"antenna_air",
     FT817_WINDOW_TEXT("RadioSettings",
                       "The antenna socket used on the AIR band: the front BNC or the rear SO-239."),
     0},
    {"antenna_vhf",
     FT817_WINDOW_TEXT("RadioSettings", "The antenna socket used on 2 m: the front BNC or the rear SO-239."),
     0},
    {"antenna_uhf",
     FT817_WINDOW_TEXT("RadioSettings",
                       "The antenna socket used on 70 cm: the front BNC or the rear SO-239."),
     0},
};

std::vector<RadioSetting> withOwnerWords(std::vector<RadioSetting> table)
{
    for (RadioSetting& setting : table)
        for (const OwnerWords& words : kOwnerWords)
            if (words.key == setting.key) {
                setting.description = words.description;
                setting.menuNumber = words.menuNumber;
            }
    return table;
}

std::vector<RadioSetting> buildTable()
{
    using G = SettingGroup;
    using E = SettingEncoding;
    const std::vector<std::string> frontRear = {"Front", "Rear"};
    const std::vector<std::string> enabled = {"enabled", "disabled"};
    return withOwnerWords({
        onOffSetting("ars_2m", FT817_WINDOW_TEXT("RadioSettings", "144 ARS (auto repeater shift, 2 m)"),
                     G::Basic, 11, 6),
        onOffSetting("ars_70cm", FT817_WINDOW_TEXT("RadioSettings", "430 ARS (auto repeater shift, 70 cm)"),
                     G::Basic, 11, 5),
        levelSetting("am_mic_gain", FT817_WINDOW_TEXT("RadioSettings", "AM MIC gain"), G::Basic, 20),
        listSetting("apo_time", FT817_WINDOW_TEXT("RadioSettings", "APO time (auto power-off)"), G::Basic, 17,
                    2, 0, {"OFF", "1h", "2h", "3h", "4h", "5h", "6h"}),
        listSetting("arts_beep", FT817_WINDOW_TEXT("RadioSettings", "ARTS beep"), G::Basic, 9, 7, 6,
                    {"OFF", "Range", "All"}),
        listSetting("battery_charge_time", FT817_WINDOW_TEXT("RadioSettings", "Battery charge time"),
                    G::Basic, 14, 7, 6, {"6h", "8h", "10h"}),
        listSetting("cat_rate", FT817_WINDOW_TEXT("RadioSettings", "CAT rate"), G::Basic, 16, 7, 6,
                    {"4800", "9600", "38400"}),
        levelSetting("fm_mic_gain", FT817_WINDOW_TEXT("RadioSettings", "FM MIC gain"), G::Basic, 21),
        onOffSetting("memory_groups", FT817_WINDOW_TEXT("RadioSettings", "Memory groups"), G::Basic, 17, 4),
        onOffSetting("mic_scan", FT817_WINDOW_TEXT("RadioSettings", "MIC scan"), G::Basic, 19, 7),
        listSetting("optional_filter", FT817_WINDOW_TEXT("RadioSettings", "Optional filter"), G::Basic, 10, 7,
                    6, {"Off", "SSB", "CW"}),
        listSetting("scan_resume", FT817_WINDOW_TEXT("RadioSettings", "Scan resume"), G::Basic, 9, 1, 0,
                    {"Off", "3 sec", "5 sec", "10 sec"}),
        listSetting("spectrum_scope", FT817_WINDOW_TEXT("RadioSettings", "Spectrum scope"), G::Basic, 9, 3, 3,
                    {"Cont", "Chk"}),
        levelSetting("ssb_mic_gain", FT817_WINDOW_TEXT("RadioSettings", "SSB MIC gain"), G::Basic, 19),
        listSetting("tot_time", FT817_WINDOW_TEXT("RadioSettings", "TOT time (time-out timer, minutes)"),
                    G::Basic, 18, 4, 0, timeOutOptions()),
        numberSetting("vox_delay", FT817_WINDOW_TEXT("RadioSettings", "VOX delay (x100 ms)"), G::Basic, 16, 4,
                      0, E::Unsigned, 1, 25),
        levelSetting("vox_gain", FT817_WINDOW_TEXT("RadioSettings", "VOX gain"), G::Basic, 15),
        listSetting("tx_power", FT817_WINDOW_TEXT("RadioSettings", "TX power"), G::Basic, 37, 1, 0,
                    {"Hi", "L3", "L2", "L1"}),
        usOnly(onOffSetting("emergency", FT817_WINDOW_TEXT("RadioSettings", "Emergency (5167.5 kHz) enable"),
                            G::Basic, 16, 5),
               &RadioModel::emergencySetting),

        numberSetting("cw_delay", FT817_WINDOW_TEXT("RadioSettings", "CW delay (x10 ms)"), G::Cw, 12, 7, 0,
                      E::Unsigned, 1, 250),
        onOffSetting("cw_id", FT817_WINDOW_TEXT("RadioSettings", "CW ID"), G::Cw, 9, 4),
        listSetting("cw_paddle", FT817_WINDOW_TEXT("RadioSettings", "CW paddle"), G::Cw, 4, 2, 2,
                    {"Normal", "Reverse"}),
        listSetting("cw_pitch", FT817_WINDOW_TEXT("RadioSettings", "CW pitch"), G::Cw, 10, 3, 0,
                    numbered(300, 1000, 50, " Hz")),
        listSetting("cw_speed", FT817_WINDOW_TEXT("RadioSettings", "CW speed"), G::Cw, 14, 5, 0,
                    numbered(4, 60, 1, " wpm")),
        listSetting("cw_weight", FT817_WINDOW_TEXT("RadioSettings", "CW weight"), G::Cw, 11, 4, 0,
                    weightOptions()),
        onOffSetting("mic_key", FT817_WINDOW_TEXT("RadioSettings", "MIC key"), G::Cw, 20, 7),
        levelSetting("sidetone_volume", FT817_WINDOW_TEXT("RadioSettings", "CW sidetone volume"), G::Cw, 13),
        RadioSetting{"id_callsign",
                     FT817_WINDOW_TEXT("RadioSettings", "ID callsign (for CW ID)"),
                     G::Cw,
                     kCallsignStart,
                     7,
                     0,
                     E::Callsign,
                     {},
                     0,
                     0,
                     nullptr,
                     {},
                     0},
        onOffSetting("break_in", FT817_WINDOW_TEXT("RadioSettings", "BK (CW semi break-in)"), G::Cw, 4, 5),
        onOffSetting("keyer", FT817_WINDOW_TEXT("RadioSettings", "KYR (electronic keyer)"), G::Cw, 4, 4),

        levelSetting("pkt_9600_mic_level", FT817_WINDOW_TEXT("RadioSettings", "9600 MIC level"),
                     G::DigitalAndPacket, 24),
        numberSetting("dig_display_offset", FT817_WINDOW_TEXT("RadioSettings", "DIG DISP (x10 Hz)"),
                      G::DigitalAndPacket, 27, 7, 0, E::Signed16, -300, 300),
        levelSetting("dig_mic_level", FT817_WINDOW_TEXT("RadioSettings", "DIG MIC level"),
                     G::DigitalAndPacket, 22),
        listSetting("dig_mode", FT817_WINDOW_TEXT("RadioSettings", "DIG mode"), G::DigitalAndPacket, 17, 7, 5,
                    {"RTTY", "PSK31-L", "PSK31-U", "USER-L", "USER-U"}),
        numberSetting("dig_shift", FT817_WINDOW_TEXT("RadioSettings", "DIG SHIFT (x10 Hz)"),
                      G::DigitalAndPacket, 25, 7, 0, E::Signed16, -300, 300),
        levelSetting("pkt_mic_level", FT817_WINDOW_TEXT("RadioSettings", "PKT MIC level"),
                     G::DigitalAndPacket, 23),
        listSetting("pkt_rate", FT817_WINDOW_TEXT("RadioSettings", "PKT rate"), G::DigitalAndPacket, 9, 2, 2,
                    {"1200", "9600"}),

        onOffSetting("split", FT817_WINDOW_TEXT("RadioSettings", "Split (panel)"), G::FrontPanel, 38, 7),
        listSetting("scan", FT817_WINDOW_TEXT("RadioSettings", "Scan (panel; direction)"), G::FrontPanel, 37,
                    6, 5, {"None", "Up", "Down"}),
        onOffSetting("priority_watch", FT817_WINDOW_TEXT("RadioSettings", "Priority watch (panel)"),
                     G::FrontPanel, 37, 3),
        onOffSetting("dual_watch", FT817_WINDOW_TEXT("RadioSettings", "Dual watch (panel)"), G::FrontPanel,
                     37, 4),
        onOffSetting("arts", FT817_WINDOW_TEXT("RadioSettings", "ARTS (panel)"), G::FrontPanel, 37, 7),
        onOffSetting("noise_blanker", FT817_WINDOW_TEXT("RadioSettings", "Noise blanker (panel)"),
                     G::FrontPanel, 3, 5),
        listSetting("agc", FT817_WINDOW_TEXT("RadioSettings", "AGC (panel)"), G::FrontPanel, 3, 1, 0,
                    {"Auto", "Fast", "Slow", "Off"}),
        listSetting("meter", FT817_WINDOW_TEXT("RadioSettings", "Meter mode (panel)"), G::FrontPanel, 4, 1, 0,
                    {"PWR", "ALC", "SWR", "MOD"}),
        onOffSetting("vox", FT817_WINDOW_TEXT("RadioSettings", "VOX (panel)"), G::FrontPanel, 4, 7),
        listSetting("fast_tuning", FT817_WINDOW_TEXT("RadioSettings", "FAST tuning (panel)"), G::FrontPanel,
                    3, 7, 7, enabled),
        listSetting("lock", FT817_WINDOW_TEXT("RadioSettings", "Lock (panel)"), G::FrontPanel, 3, 6, 6,
                    enabled),

        listSetting("am_fm_dial", FT817_WINDOW_TEXT("RadioSettings", "AM&FM dial"), G::DisplayAndControls, 15,
                    7, 7, {"enable", "disable"}),
        listSetting("lcd_backlight", FT817_WINDOW_TEXT("RadioSettings", "LCD backlight"),
                    G::DisplayAndControls, 7, 7, 6, {"OFF", "ON", "Auto"}),
        listSetting("beep_frequency", FT817_WINDOW_TEXT("RadioSettings", "Beep frequency"),
                    G::DisplayAndControls, 8, 7, 7, {"440Hz", "880Hz"}),
        levelSetting("beep_volume", FT817_WINDOW_TEXT("RadioSettings", "Beep volume"), G::DisplayAndControls,
                     8),
        listSetting("lcd_colour", FT817_WINDOW_TEXT("RadioSettings", "LCD colour"), G::DisplayAndControls, 7,
                    5, 4, {"Blue", "Amber", "Violet"}),
        numberSetting("lcd_contrast", FT817_WINDOW_TEXT("RadioSettings", "LCD contrast"),
                      G::DisplayAndControls, 7, 3, 0, E::PlusOne, 1, 12),
        listSetting("lock_mode", FT817_WINDOW_TEXT("RadioSettings", "Lock mode"), G::DisplayAndControls, 10,
                    5, 4, {"Dial", "Freq", "Panel"}),
        listSetting("main_dial_step", FT817_WINDOW_TEXT("RadioSettings", "Main dial step"),
                    G::DisplayAndControls, 9, 5, 5, {"Fine", "Coarse"}),
        listSetting("rf_sql_knob", FT817_WINDOW_TEXT("RadioSettings", "RF/SQL knob function"),
                    G::DisplayAndControls, 11, 7, 7, {"RF-Gain", "Squelch"}),

        onOffSetting("extended_menu", FT817_WINDOW_TEXT("RadioSettings", "Extended menu"), G::ExtendedMenu,
                     23, 7),
        listSetting("dcs_inversion", FT817_WINDOW_TEXT("RadioSettings", "DCS inversion"), G::ExtendedMenu, 18,
                    7, 6, {"Tn-Rn", "Tn-Riv", "Tiv-Rn", "Tiv-Riv"}),
        numberSetting("rx_lsb_carrier", FT817_WINDOW_TEXT("RadioSettings", "RX LSB carrier point (x10 Hz)"),
                      G::ExtendedMenu, 29, 7, 0, E::Signed8, -30, 30),
        numberSetting("rx_usb_carrier", FT817_WINDOW_TEXT("RadioSettings", "RX USB carrier point (x10 Hz)"),
                      G::ExtendedMenu, 30, 7, 0, E::Signed8, -30, 30),
        numberSetting("tx_lsb_carrier", FT817_WINDOW_TEXT("RadioSettings", "TX LSB carrier point (x10 Hz)"),
                      G::ExtendedMenu, 31, 7, 0, E::Signed8, -30, 30),
        numberSetting("tx_usb_carrier", FT817_WINDOW_TEXT("RadioSettings", "TX USB carrier point (x10 Hz)"),
                      G::ExtendedMenu, 32, 7, 0, E::Signed8, -30, 30),

        listSetting("antenna_hf", FT817_WINDOW_TEXT("RadioSettings", "Antenna: HF"), G::Antennas, 38, 0, 0,
                    frontRear),
        listSetting("antenna_6m", FT817_WINDOW_TEXT("RadioSettings", "Antenna: 6 m"), G::Antennas, 38, 1, 1,
                    frontRear),
        listSetting("antenna_fm_broadcast", FT817_WINDOW_TEXT("RadioSettings", "Antenna: FM broadcast"),
                    G::Antennas, 38, 2, 2, frontRear),
        listSetting("antenna_air", FT817_WINDOW_TEXT("RadioSettings", "Antenna: AIR band"), G::Antennas, 38,
                    3, 3, frontRear),
        listSetting("antenna_vhf", FT817_WINDOW_TEXT("RadioSettings", "Antenna: VHF (2 m)"), G::Antennas, 38,
                    4, 4, frontRear),
        listSetting("antenna_uhf", FT817_WINDOW_TEXT("RadioSettings", "Antenna: UHF (70 cm)"), G::Antennas,
                    38, 5, 5, frontRear),
    });
}

} // namespace

std::vector<RadioSetting> settingsTable()
{
    return buildTable();
}

} // namespace ft817
