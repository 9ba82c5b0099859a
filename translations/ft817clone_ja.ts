<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>RadioSettings</name>
    <message>
        <source>144 ARS (auto repeater shift, 2 m)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>430 ARS (auto repeater shift, 70 cm)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AM MIC gain</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>APO time (auto power-off)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ARTS beep</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Battery charge time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CAT rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FM MIC gain</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Memory groups</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MIC scan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Optional filter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scan resume</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spectrum scope</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SSB MIC gain</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TOT time (time-out timer, minutes)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VOX delay (x100 ms)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VOX gain</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TX power</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Emergency (5167.5 kHz) enable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CW delay (x10 ms)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CW ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CW paddle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CW pitch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CW speed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CW weight</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MIC key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CW sidetone volume</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ID callsign (for CW ID)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BK (CW semi break-in)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>KYR (electronic keyer)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>9600 MIC level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DIG DISP (x10 Hz)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DIG MIC level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DIG mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DIG SHIFT (x10 Hz)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PKT MIC level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PKT rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Split (panel)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scan (panel; direction)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Priority watch (panel)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dual watch (panel)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ARTS (panel)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Noise blanker (panel)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AGC (panel)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Meter mode (panel)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VOX (panel)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FAST tuning (panel)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lock (panel)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AM&amp;FM dial</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LCD backlight</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Beep frequency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Beep volume</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LCD colour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LCD contrast</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lock mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Main dial step</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RF/SQL knob function</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Extended menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DCS inversion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RX LSB carrier point (x10 Hz)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RX USB carrier point (x10 Hz)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TX LSB carrier point (x10 Hz)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TX USB carrier point (x10 Hz)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Antenna: HF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Antenna: 6 m</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Antenna: FM broadcast</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Antenna: AIR band</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Antenna: VHF (2 m)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Antenna: UHF (70 cm)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Basic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CW</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Digital and packet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Front panel state</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display and controls</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Antenna sockets</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ft817::CalibrationDialog</name>
    <message>
        <source>Back up calibration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading the radio&apos;s calibration (EEPROM 0x0000-0x0054) over CAT…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hex</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Decimal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save as…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calibration values</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What the radio&apos;s calibration memory holds, address by address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save as</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saves the calibration values to a backup file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All %1 bytes read at %2 baud.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kept in the history as %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not kept in the history: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save calibration backup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text files (*.txt);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saved as </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ft817::CatWindow</name>
    <message>
        <source>Type a frequency in 10 Hz steps (43970000 is 439.700 MHz); every change of five to eight digits is sent to the radio.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frequency to tune, in 10 Hz units</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CAT status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sent </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not sent: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>); the radio reads it back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>to %1 at %2 baud</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ft817::ChannelListWindow</name>
    <message>
        <source>YAESU Channels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Row actions work on the Channels tab; special memories are edited in their cells</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tune radio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Take from radio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sent to the radio&apos;s VFO: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not tuned: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select the channel to tune the radio to first</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The radio&apos;s port is busy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel %1 is not in use: nothing sent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tuning the radio to channel %1…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select the channel to take the radio&apos;s frequency into first</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading the radio&apos;s frequency and mode…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing taken: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Take from radio into channel %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel %1 takes %2 MHz %3 from the radio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tag or frequency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Active only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>from MHz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>step MHz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fill</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frequencies from start in steps for the selected rows; the other fields from the first of them</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Special</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shows only the channels whose tag or frequency holds this text (Ctrl+F)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shows only the channels in use</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fill from, MHz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The first frequency Fill gives the selected rows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fill step, MHz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What Fill adds from one selected row to the next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The 200 memory channels; Ctrl+Tab leaves the list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Special memories</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VFO bands, HOME, QMB and scan limits; Ctrl+Tab leaves the list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channels or special memories</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VFO A FM broadcast</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Simplex</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tone SQL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select the channels to delete first</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Made %1 inactive; the records are kept</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No active channel is selected; only active channels are copied</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copied %1 channel(s) as CSV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select the channel to paste into first</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing pasted: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing pasted: the clipboard holds no channel rows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paste into %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pasted %1 row(s) into %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select the channels to move first</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move %1 %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moved to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select where to insert first</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing inserted: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert at channel %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inserted an inactive channel at %1; the channels after it moved down by one</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select the channels to fill first</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fill start: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fill step: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing filled: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fill %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Filled %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>channel %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>channels %1..%2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ft817::ChannelTableModel</name>
    <message>
        <source>&quot;%1&quot; has more than 5 decimals; channels hold 10 Hz steps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Step kHz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shift</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Offset / TX MHz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TX mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tone mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tone Hz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DCS code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tag shown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tag text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Memory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In use</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The repeater offset for a minus or plus shift, the transmit frequency for split</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The tuning step of the channel&apos;s mode: the record keeps one for SSB/CW/DIG/PKT, one for AM and one for FM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IPO: the receiver&apos;s preamp off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ATT: the attenuator on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not one of the radio&apos;s %2 tones (67.0 to 254.1 Hz)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not one of the radio&apos;s %2 DCS codes (023 to 754)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no such entry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the offset is 0 and needs a value: there is no usual repeater offset on this band</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a tag holds at most 8 characters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a tag holds Latin-1 characters only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a tag cannot show control characters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>this cell cannot be changed</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ft817::EditorControls</name>
    <message>
        <source>Channel number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The memory channel shown, 1 to 200: type one and press Enter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next channel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous channel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The channel is in use</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The channel transmits on its own transmit frequency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selects VFO A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selects VFO B</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VFO A band</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The frequencies of VFO A&apos;s bands, in 10 Hz units</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VFO B band</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The frequencies of VFO B&apos;s bands, in 10 Hz units</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Receive frequency, in 10 Hz units</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transmit frequency or repeater offset, in 10 Hz units</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transmit mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The channel&apos;s name, up to 8 characters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Repeater shift</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DCS squelch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CTCSS tone sent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tag shown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The radio shows the channel&apos;s tag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DCS code number, 0 to 103</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CTCSS tone number, 0 to 49</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tone squelch: the tone sent and needed to open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File Done saves to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saves the image to the file named above and goes back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Goes back without saving</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channels…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All 200 channels in one list, edited in place, with undo.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The radio&apos;s menu settings, edited with undo.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ft817::EditorDisplay</name>
    <message>
        <source>Offset %1%2 MHz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, sends on </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> — the radio does not tune this</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ft817::EditorHandlers</name>
    <message>
        <source>Tone mode</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ft817::EditorWindow</name>
    <message>
        <source>

Nothing was saved and your changes are still here. Put another file name in the box above Done and press Done again, or press Cancel to leave without saving.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ft817::HelpWindow</name>
    <message>
        <source>The help text is missing from this build of ft817clone.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ft817clone help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How to use ft817clone</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ft817::LanguageMenu</name>
    <message>
        <source>Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The desktop&apos;s language (from the next start)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ft817::MainWindow</name>
    <message>
        <source>Image file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The image file Download writes, Upload sends and Edit opens</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Receives the radio&apos;s memory into the image file; starts when it gets the focus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sends the image file to the radio; starts when it gets the focus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens the image file in the editor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How the last transfer went</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CAT control</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens the CAT control window: press Enter or Space</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fast transfers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port %1 (no radio heard yet)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waiting for the radio: switch it on while holding both MODE keys (clone mode), then press its A key to send.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The radio must already wait in clone-receive: in clone mode, its C key pressed before Upload was clicked.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 blocks (%2 bytes)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the radio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Downloaded %1 from the %2 into %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uploaded %1 of %2 to the %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This image is not a whole FT-817 memory: %1. Send it anyway?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not sent: not a whole FT-817 memory: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not a whole memory: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back up calibration…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This image has damaged blocks: %1. Saving edits gives them fresh checksums, so the damage would no longer show. Edit it anyway?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not opened: </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ft817::PortMenu</name>
    <message>
        <source>Serial port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  (in use)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No serial port found</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ft817::RadioSettingsWindow</name>
    <message>
        <source>: block %1 index %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, bit %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, bits %1-%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Radio settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Setting groups</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+Tab shows the next group</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown layout</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (out of range)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The image holds %1, which the radio does not use; it stays until you choose another value.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set %1 to %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
