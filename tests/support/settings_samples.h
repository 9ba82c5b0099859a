#pragma once
// Menu settings set to known values in a simulated radio's memory: the bytes
// of block 1 and the ID callsign as the radio stores them, and what every
// setting reads from them.

#include "image/block_store.h"
#include "image/image_file.h"
#include "image/radio_settings.h"
#include "sim/default_memory.h"
#include "sim/simulated_radio.h"

#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace ft817::test {

// (block 1 index, byte): every setting in block 1 at a chosen value; bits no
// setting uses are set where they lie beside settings.
// (The simulated radio's memory holds them too.)
inline const std::vector<std::pair<int, std::uint8_t>>& knownSettingBytes()
{
    return sim::defaultSettingBytes();
}

// "KM6NAP" and a space in block 48, index 79..85.
inline const std::vector<std::uint8_t>& knownCallsignBytes()
{
    static const std::vector<std::uint8_t> bytes = {0x14, 0x16, 0x06, 0x17, 0x0A, 0x19, 0x24};
    return bytes;
}

// What every setting reads from those bytes (emergency only on the US models).
inline const std::map<std::string, std::string>& knownSettingTexts()
{
    static const std::map<std::string, std::string> texts = {{"fast_tuning", "disabled"},
                                                             {"lock", "enabled"},
                                                             {"noise_blanker", "on"},
                                                             {"agc", "Slow"},
                                                             {"vox", "on"},
                                                             {"break_in", "on"},
                                                             {"keyer", "off"},
                                                             {"cw_paddle", "Reverse"},
                                                             {"meter", "SWR"},
                                                             {"lcd_backlight", "Auto"},
                                                             {"lcd_colour", "Amber"},
                                                             {"lcd_contrast", "7"},
                                                             {"beep_frequency", "880Hz"},
                                                             {"beep_volume", "50"},
                                                             {"arts_beep", "Range"},
                                                             {"main_dial_step", "Coarse"},
                                                             {"cw_id", "on"},
                                                             {"spectrum_scope", "Cont"},
                                                             {"pkt_rate", "9600"},
                                                             {"scan_resume", "5 sec"},
                                                             {"optional_filter", "CW"},
                                                             {"lock_mode", "Freq"},
                                                             {"cw_pitch", "700 Hz"},
                                                             {"rf_sql_knob", "Squelch"},
                                                             {"ars_2m", "on"},
                                                             {"ars_70cm", "off"},
                                                             {"cw_weight", "1:3.0"},
                                                             {"cw_delay", "25"},
                                                             {"sidetone_volume", "70"},
                                                             {"battery_charge_time", "8h"},
                                                             {"cw_speed", "20 wpm"},
                                                             {"am_fm_dial", "enable"},
                                                             {"vox_gain", "35"},
                                                             {"cat_rate", "38400"},
                                                             {"emergency", "on"},
                                                             {"vox_delay", "5"},
                                                             {"dig_mode", "PSK31-U"},
                                                             {"memory_groups", "on"},
                                                             {"apo_time", "3h"},
                                                             {"dcs_inversion", "Tn-Riv"},
                                                             {"tot_time", "10"},
                                                             {"mic_scan", "on"},
                                                             {"ssb_mic_gain", "50"},
                                                             {"mic_key", "off"},
                                                             {"am_mic_gain", "60"},
                                                             {"fm_mic_gain", "45"},
                                                             {"dig_mic_level", "40"},
                                                             {"extended_menu", "on"},
                                                             {"pkt_mic_level", "30"},
                                                             {"pkt_9600_mic_level", "20"},
                                                             {"dig_shift", "-100"},
                                                             {"dig_display_offset", "300"},
                                                             {"rx_lsb_carrier", "-5"},
                                                             {"rx_usb_carrier", "10"},
                                                             {"tx_lsb_carrier", "-30"},
                                                             {"tx_usb_carrier", "0"},
                                                             {"arts", "on"},
                                                             {"scan", "Down"},
                                                             {"dual_watch", "off"},
                                                             {"priority_watch", "on"},
                                                             {"tx_power", "L1"},
                                                             {"split", "on"},
                                                             {"antenna_uhf", "Rear"},
                                                             {"antenna_vhf", "Front"},
                                                             {"antenna_air", "Rear"},
                                                             {"antenna_fm_broadcast", "Front"},
                                                             {"antenna_6m", "Front"},
                                                             {"antenna_hf", "Rear"},
                                                             {"id_callsign", "KM6NAP"}};
    return texts;
}

// The simulated radio's memory of a model, loaded.
inline BlockStore simulatedMemory(sim::Model model)
{
    const sim::Memory memory = sim::defaultMemory(model);
    return *BlockStore::load(*buildImageFile(memory.image, memory.blockLengths));
}

// The simulated radio's memory of a model with the known setting bytes.
inline BlockStore memoryWithKnownSettings(sim::Model model)
{
    BlockStore store = simulatedMemory(model);
    for (const auto& [index, value] : knownSettingBytes())
        store.setByte(index, 1, value);
    // A setting the model lacks stays off, as the radio keeps it.
    const RadioModel& radio = sim::modelLayout(model);
    for (const RadioSetting& setting : radioSettings())
        if (!modelHasSetting(radio, setting))
            for (const BitLocation& bits : settingBits(setting))
                store.setBits(bits.index, bits.block, bits.mask, 0);
    for (std::size_t k = 0; k < knownCallsignBytes().size(); ++k)
        store.setByte(79 + static_cast<int>(k), 48, knownCallsignBytes()[k]);
    return store;
}

} // namespace ft817::test
