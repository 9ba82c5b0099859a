<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>ChannelSheet</name>
    <message>
        <source>Channel sheet</source>
        <translation>Kanalübersicht</translation>
    </message>
    <message>
        <source>%1 channel sheet</source>
        <translation>Kanalübersicht %1</translation>
    </message>
    <message>
        <source>No channel in use</source>
        <translation>Kein Kanal belegt</translation>
    </message>
    <message>
        <source>Channels in use: %1</source>
        <translation>Belegte Kanäle: %1</translation>
    </message>
    <message>
        <source>Special memories: %1</source>
        <translation>Sonderspeicher: %1</translation>
    </message>
    <message>
        <source>Ch</source>
        <translation>Kan.</translation>
    </message>
    <message>
        <source>Tag</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>RX MHz</source>
        <translation>RX MHz</translation>
    </message>
    <message>
        <source>Shift / TX MHz</source>
        <translation>Ablage / TX MHz</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Betriebsart</translation>
    </message>
    <message>
        <source>Tone / code</source>
        <translation>Subton / Code</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Überspringen</translation>
    </message>
    <message>
        <source>Memory</source>
        <translation>Speicher</translation>
    </message>
    <message>
        <source>TX %1</source>
        <translation>TX %1</translation>
    </message>
    <message>
        <source>Tone %1</source>
        <translation>Subton %1</translation>
    </message>
    <message>
        <source>Tone SQL %1</source>
        <translation>Tone SQL %1</translation>
    </message>
    <message>
        <source>skip</source>
        <translation>überspringen</translation>
    </message>
    <message>
        <source>File: %1</source>
        <translation>Datei: %1</translation>
    </message>
    <message>
        <source>saved %1</source>
        <translation>gespeichert %1</translation>
    </message>
    <message>
        <source>not saved yet</source>
        <translation>noch nicht gespeichert</translation>
    </message>
    <message>
        <source>Made %1 with ft817clone</source>
        <translation>Erstellt %1 mit ft817clone</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Seite %1 von %2</translation>
    </message>
</context>
<context>
    <name>RadioSettings</name>
    <message>
        <source>144 ARS (auto repeater shift, 2 m)</source>
        <translation>144 ARS (automatische Relaisablage, 2 m)</translation>
    </message>
    <message>
        <source>430 ARS (auto repeater shift, 70 cm)</source>
        <translation>430 ARS (automatische Relaisablage, 70 cm)</translation>
    </message>
    <message>
        <source>AM MIC gain</source>
        <translation>AM MIC-Verstärkung</translation>
    </message>
    <message>
        <source>APO time (auto power-off)</source>
        <translation>APO TIME (automatische Abschaltung)</translation>
    </message>
    <message>
        <source>ARTS beep</source>
        <translation>ARTS-Piepton</translation>
    </message>
    <message>
        <source>Battery charge time</source>
        <translation>Ladezeit des Akkus</translation>
    </message>
    <message>
        <source>CAT rate</source>
        <translation>CAT-Baudrate</translation>
    </message>
    <message>
        <source>FM MIC gain</source>
        <translation>FM MIC-Verstärkung</translation>
    </message>
    <message>
        <source>Memory groups</source>
        <translation>Speichergruppen</translation>
    </message>
    <message>
        <source>MIC scan</source>
        <translation>MIC-Suchlauf</translation>
    </message>
    <message>
        <source>Optional filter</source>
        <translation>Optionales Filter</translation>
    </message>
    <message>
        <source>Scan resume</source>
        <translation>Suchlauf-Fortsetzung</translation>
    </message>
    <message>
        <source>Spectrum scope</source>
        <translation>Spektrumanzeige</translation>
    </message>
    <message>
        <source>SSB MIC gain</source>
        <translation>SSB MIC-Verstärkung</translation>
    </message>
    <message>
        <source>TOT time (time-out timer, minutes)</source>
        <translation>TOT TIME (Sendezeitbegrenzung, Minuten)</translation>
    </message>
    <message>
        <source>VOX delay (x100 ms)</source>
        <translation>VOX-Haltezeit (x100 ms)</translation>
    </message>
    <message>
        <source>VOX gain</source>
        <translation>VOX-Empfindlichkeit</translation>
    </message>
    <message>
        <source>TX power</source>
        <translation>TX-Leistung</translation>
    </message>
    <message>
        <source>Emergency (5167.5 kHz) enable</source>
        <translation>Notruffrequenz (5167.5 kHz) freigeben</translation>
    </message>
    <message>
        <source>CW delay (x10 ms)</source>
        <translation>CW-Haltezeit (x10 ms)</translation>
    </message>
    <message>
        <source>CW ID</source>
        <translation>CW ID</translation>
    </message>
    <message>
        <source>CW paddle</source>
        <translation>CW-Paddle</translation>
    </message>
    <message>
        <source>CW pitch</source>
        <translation>CW-Tonhöhe</translation>
    </message>
    <message>
        <source>CW speed</source>
        <translation>CW-Geschwindigkeit</translation>
    </message>
    <message>
        <source>CW weight</source>
        <translation>CW-Gewichtung</translation>
    </message>
    <message>
        <source>MIC key</source>
        <translation>MIC-Taste</translation>
    </message>
    <message>
        <source>CW sidetone volume</source>
        <translation>CW-Mithörtonlautstärke</translation>
    </message>
    <message>
        <source>ID callsign (for CW ID)</source>
        <translation>ID-Rufzeichen (für CW ID)</translation>
    </message>
    <message>
        <source>BK (CW semi break-in)</source>
        <translation>BK (CW-Semi-Break-in)</translation>
    </message>
    <message>
        <source>KYR (electronic keyer)</source>
        <translation>KYR (elektronische Taste)</translation>
    </message>
    <message>
        <source>9600 MIC level</source>
        <translation>9600 MIC-Pegel</translation>
    </message>
    <message>
        <source>DIG DISP (x10 Hz)</source>
        <translation>DIG DISP (x10 Hz)</translation>
    </message>
    <message>
        <source>DIG MIC level</source>
        <translation>DIG MIC-Pegel</translation>
    </message>
    <message>
        <source>DIG mode</source>
        <translation>DIG-Betriebsart</translation>
    </message>
    <message>
        <source>DIG SHIFT (x10 Hz)</source>
        <translation>DIG SHIFT (x10 Hz)</translation>
    </message>
    <message>
        <source>PKT MIC level</source>
        <translation>PKT MIC-Pegel</translation>
    </message>
    <message>
        <source>PKT rate</source>
        <translation>PKT-Baudrate</translation>
    </message>
    <message>
        <source>Split (panel)</source>
        <translation>Split (Bedienfeld)</translation>
    </message>
    <message>
        <source>Scan (panel; direction)</source>
        <translation>Suchlauf (Bedienfeld; Richtung)</translation>
    </message>
    <message>
        <source>Priority watch (panel)</source>
        <translation>Prioritätskanal-Überwachung (Bedienfeld)</translation>
    </message>
    <message>
        <source>Dual watch (panel)</source>
        <translation>Dual Watch (Bedienfeld)</translation>
    </message>
    <message>
        <source>ARTS (panel)</source>
        <translation>ARTS (Bedienfeld)</translation>
    </message>
    <message>
        <source>Noise blanker (panel)</source>
        <translation>Störaustaster (Bedienfeld)</translation>
    </message>
    <message>
        <source>AGC (panel)</source>
        <translation>AGC (Bedienfeld)</translation>
    </message>
    <message>
        <source>Meter mode (panel)</source>
        <translation>Instrumentanzeige (Bedienfeld)</translation>
    </message>
    <message>
        <source>VOX (panel)</source>
        <translation>VOX (Bedienfeld)</translation>
    </message>
    <message>
        <source>FAST tuning (panel)</source>
        <translation>FAST-Abstimmung (Bedienfeld)</translation>
    </message>
    <message>
        <source>Lock (panel)</source>
        <translation>Sperre (Bedienfeld)</translation>
    </message>
    <message>
        <source>AM&amp;FM dial</source>
        <translation>AM&amp;FM-Abstimmknopf</translation>
    </message>
    <message>
        <source>LCD backlight</source>
        <translation>LCD-Beleuchtung</translation>
    </message>
    <message>
        <source>Beep frequency</source>
        <translation>Pieptonhöhe</translation>
    </message>
    <message>
        <source>Beep volume</source>
        <translation>Pieptonlautstärke</translation>
    </message>
    <message>
        <source>LCD colour</source>
        <translation>LCD-Farbe</translation>
    </message>
    <message>
        <source>LCD contrast</source>
        <translation>LCD-Kontrast</translation>
    </message>
    <message>
        <source>Lock mode</source>
        <translation>Sperrmodus</translation>
    </message>
    <message>
        <source>Main dial step</source>
        <translation>Abstimmschritt des Hauptknopfs</translation>
    </message>
    <message>
        <source>RF/SQL knob function</source>
        <translation>Funktion des RF/SQL-Knopfs</translation>
    </message>
    <message>
        <source>Extended menu</source>
        <translation>Erweitertes Menü</translation>
    </message>
    <message>
        <source>DCS inversion</source>
        <translation>DCS-Invertierung</translation>
    </message>
    <message>
        <source>RX LSB carrier point (x10 Hz)</source>
        <translation>RX-LSB-Trägerpunkt (x10 Hz)</translation>
    </message>
    <message>
        <source>RX USB carrier point (x10 Hz)</source>
        <translation>RX-USB-Trägerpunkt (x10 Hz)</translation>
    </message>
    <message>
        <source>TX LSB carrier point (x10 Hz)</source>
        <translation>TX-LSB-Trägerpunkt (x10 Hz)</translation>
    </message>
    <message>
        <source>TX USB carrier point (x10 Hz)</source>
        <translation>TX-USB-Trägerpunkt (x10 Hz)</translation>
    </message>
    <message>
        <source>Antenna: HF</source>
        <translation>Antenne: HF</translation>
    </message>
    <message>
        <source>Antenna: 6 m</source>
        <translation>Antenne: 6 m</translation>
    </message>
    <message>
        <source>Antenna: FM broadcast</source>
        <translation>Antenne: UKW-Rundfunk</translation>
    </message>
    <message>
        <source>Antenna: AIR band</source>
        <translation>Antenne: Flugfunk</translation>
    </message>
    <message>
        <source>Antenna: VHF (2 m)</source>
        <translation>Antenne: VHF (2 m)</translation>
    </message>
    <message>
        <source>Antenna: UHF (70 cm)</source>
        <translation>Antenne: UHF (70 cm)</translation>
    </message>
    <message>
        <source>Basic</source>
        <translation>Grundeinstellungen</translation>
    </message>
    <message>
        <source>CW</source>
        <translation>CW</translation>
    </message>
    <message>
        <source>Digital and packet</source>
        <translation>Digital und Packet</translation>
    </message>
    <message>
        <source>Front panel state</source>
        <translation>Bedienfeld</translation>
    </message>
    <message>
        <source>Display and controls</source>
        <translation>Anzeige und Bedienung</translation>
    </message>
    <message>
        <source>Antenna sockets</source>
        <translation>Antennenbuchsen</translation>
    </message>
    <message>
        <source>Shifts the transmit frequency automatically on the 2 m repeater sub-bands.</source>
        <translation>Legt in den 2-m-Relaisbereichen die Relaisablage automatisch fest.</translation>
    </message>
    <message>
        <source>Shifts the transmit frequency automatically on the 70 cm repeater sub-bands.</source>
        <translation>Legt in den 70-cm-Relaisbereichen die Relaisablage automatisch fest.</translation>
    </message>
    <message>
        <source>Sets the microphone gain used on AM.</source>
        <translation>Stellt die Mikrofonverstärkung in AM ein.</translation>
    </message>
    <message>
        <source>Switches the radio off after this long without a key pressed or the dial turned.</source>
        <translation>Schaltet das Funkgerät nach dieser Zeit ohne Tastendruck oder Drehen am Abstimmknopf aus.</translation>
    </message>
    <message>
        <source>Chooses when ARTS beeps: never, when the other station comes in or goes out of range, or on every check.</source>
        <translation>Wählt, wann ARTS piept: nie, wenn die Gegenstation in Reichweite kommt oder sie verlässt, oder bei jeder Prüfung.</translation>
    </message>
    <message>
        <source>Sets how long the radio charges an internal battery pack.</source>
        <translation>Stellt ein, wie lange das Funkgerät einen eingebauten Akku lädt.</translation>
    </message>
    <message>
        <source>Sets the serial speed of the CAT socket; the computer must use the same speed.</source>
        <translation>Stellt die Baudrate der CAT-Buchse ein; der Computer muss dieselbe verwenden.</translation>
    </message>
    <message>
        <source>Sets the microphone gain used on FM.</source>
        <translation>Stellt die Mikrofonverstärkung in FM ein.</translation>
    </message>
    <message>
        <source>Splits the 200 memory channels into groups of 20 to step through.</source>
        <translation>Teilt die 200 Speicherkanäle zum Durchschalten in Gruppen zu je 20.</translation>
    </message>
    <message>
        <source>Lets the microphone&apos;s UP and DWN keys start a scan when held.</source>
        <translation>Langes Drücken der Tasten UP und DWN am Mikrofon startet einen Suchlauf.</translation>
    </message>
    <message>
        <source>Tells the radio which optional filter is fitted: none, an SSB filter or a CW filter.</source>
        <translation>Teilt dem Funkgerät mit, welches optionale Filter eingebaut ist: keines, ein SSB-Filter oder ein CW-Filter.</translation>
    </message>
    <message>
        <source>Sets how long a scan waits on a signal before it moves on.</source>
        <translation>Stellt ein, wie lange der Suchlauf auf einem Signal wartet, bevor er weiterläuft.</translation>
    </message>
    <message>
        <source>Chooses whether the spectrum scope sweeps all the time (Cont) or only now and then (Chk).</source>
        <translation>Wählt, ob die Spektrumanzeige ständig (Cont) oder nur ab und zu (Chk) abtastet.</translation>
    </message>
    <message>
        <source>Sets the microphone gain used on SSB.</source>
        <translation>Stellt die Mikrofonverstärkung in SSB ein.</translation>
    </message>
    <message>
        <source>Ends a transmission that lasts longer than this many minutes.</source>
        <translation>Beendet eine Sendung, die länger als so viele Minuten dauert.</translation>
    </message>
    <message>
        <source>Sets how long the radio keeps transmitting on VOX after you stop speaking.</source>
        <translation>Stellt ein, wie lange das Funkgerät bei VOX nach dem Sprechen weiter sendet.</translation>
    </message>
    <message>
        <source>Sets how loud you must speak for VOX to start transmitting.</source>
        <translation>Stellt ein, wie laut Sie sprechen müssen, damit VOX auf Senden schaltet.</translation>
    </message>
    <message>
        <source>Sets the transmit power: high or one of the three low levels.</source>
        <translation>Stellt die Sendeleistung ein: hoch oder eine der drei niedrigen Stufen.</translation>
    </message>
    <message>
        <source>Allows transmitting on the Alaska emergency frequency, 5167.5 kHz.</source>
        <translation>Erlaubt das Senden auf der Notruffrequenz von Alaska, 5167.5 kHz.</translation>
    </message>
    <message>
        <source>Sets how long the radio stays on transmit after the last CW element in semi break-in.</source>
        <translation>Stellt ein, wie lange das Funkgerät bei Semi-Break-in nach dem letzten CW-Zeichen auf Senden bleibt.</translation>
    </message>
    <message>
        <source>While ARTS is on, sends the ID callsign in CW now and then.</source>
        <translation>Sendet bei eingeschaltetem ARTS von Zeit zu Zeit das ID-Rufzeichen in CW.</translation>
    </message>
    <message>
        <source>Swaps the dot and dash sides of the paddle.</source>
        <translation>Vertauscht die Punkt- und die Strichseite des Paddles.</translation>
    </message>
    <message>
        <source>Sets the pitch of the CW sidetone and the received CW note.</source>
        <translation>Stellt die Tonhöhe des CW-Mithörtons und des empfangenen CW-Tons ein.</translation>
    </message>
    <message>
        <source>Sets the electronic keyer&apos;s speed in words per minute.</source>
        <translation>Stellt die Geschwindigkeit der elektronischen Taste in Wörtern pro Minute ein.</translation>
    </message>
    <message>
        <source>Sets the electronic keyer&apos;s dot-to-dash ratio.</source>
        <translation>Stellt das Punkt-Strich-Verhältnis der elektronischen Taste ein.</translation>
    </message>
    <message>
        <source>Lets the microphone&apos;s UP and DWN keys work as a CW paddle.</source>
        <translation>Lässt die Tasten UP und DWN am Mikrofon als CW-Paddle arbeiten.</translation>
    </message>
    <message>
        <source>Sets how loud you hear your own CW.</source>
        <translation>Stellt ein, wie laut Sie Ihr eigenes CW hören.</translation>
    </message>
    <message>
        <source>The callsign the radio sends in CW for CW ID: up to 7 of 0-9, A-Z and space.</source>
        <translation>Das Rufzeichen, das das Funkgerät für CW ID in CW sendet: bis zu 7 Zeichen aus 0-9, A-Z und Leerzeichen.</translation>
    </message>
    <message>
        <source>Switches CW semi break-in on: pressing the key starts transmitting.</source>
        <translation>Schaltet CW-Semi-Break-in ein: Ein Tastendruck schaltet auf Senden.</translation>
    </message>
    <message>
        <source>Switches the built-in electronic keyer on for a paddle.</source>
        <translation>Schaltet die eingebaute elektronische Taste für ein Paddle ein.</translation>
    </message>
    <message>
        <source>Sets the audio level from a 9600 baud packet modem.</source>
        <translation>Stellt den NF-Pegel von einem 9600-Baud-Packet-Modem ein.</translation>
    </message>
    <message>
        <source>Moves the frequency the display shows in the digital modes.</source>
        <translation>Verschiebt die angezeigte Frequenz in den digitalen Betriebsarten.</translation>
    </message>
    <message>
        <source>Sets the audio level from the data socket in the digital modes.</source>
        <translation>Stellt den NF-Pegel von der Datenbuchse in den digitalen Betriebsarten ein.</translation>
    </message>
    <message>
        <source>Chooses the digital mode the DIG mode uses.</source>
        <translation>Wählt die digitale Betriebsart, die DIG verwendet.</translation>
    </message>
    <message>
        <source>Moves the carrier point in the digital modes.</source>
        <translation>Verschiebt den Trägerpunkt in den digitalen Betriebsarten.</translation>
    </message>
    <message>
        <source>Sets the audio level from a 1200 baud packet modem.</source>
        <translation>Stellt den NF-Pegel von einem 1200-Baud-Packet-Modem ein.</translation>
    </message>
    <message>
        <source>Chooses the packet speed: 1200 or 9600 baud.</source>
        <translation>Wählt die Packet-Geschwindigkeit: 1200 oder 9600 Baud.</translation>
    </message>
    <message>
        <source>Split operation as the radio was left: receive on one VFO, transmit on the other.</source>
        <translation>Split-Betrieb, wie das Funkgerät verlassen wurde: Empfang auf einem VFO, Senden auf dem anderen.</translation>
    </message>
    <message>
        <source>The scan as the radio was left: none, up or down.</source>
        <translation>Der Suchlauf, wie das Funkgerät verlassen wurde: keiner, aufwärts oder abwärts.</translation>
    </message>
    <message>
        <source>Priority watch as the radio was left.</source>
        <translation>Prioritätskanal-Überwachung, wie das Funkgerät verlassen wurde.</translation>
    </message>
    <message>
        <source>Dual watch as the radio was left.</source>
        <translation>Dual Watch, wie das Funkgerät verlassen wurde.</translation>
    </message>
    <message>
        <source>ARTS (auto range transponder system) as the radio was left.</source>
        <translation>ARTS (automatische Reichweitenprüfung), wie das Funkgerät verlassen wurde.</translation>
    </message>
    <message>
        <source>The noise blanker as the radio was left.</source>
        <translation>Der Störaustaster, wie das Funkgerät verlassen wurde.</translation>
    </message>
    <message>
        <source>The AGC speed as the radio was left.</source>
        <translation>Die AGC-Geschwindigkeit, wie das Funkgerät verlassen wurde.</translation>
    </message>
    <message>
        <source>What the meter shows while transmitting, as the radio was left.</source>
        <translation>Was das Instrument beim Senden anzeigt, wie das Funkgerät verlassen wurde.</translation>
    </message>
    <message>
        <source>VOX (transmit when you speak) as the radio was left.</source>
        <translation>VOX (Senden beim Sprechen), wie das Funkgerät verlassen wurde.</translation>
    </message>
    <message>
        <source>Fast tuning of the main dial as the radio was left.</source>
        <translation>Schnelle Abstimmung des Hauptknopfs, wie das Funkgerät verlassen wurde.</translation>
    </message>
    <message>
        <source>The lock as the radio was left.</source>
        <translation>Die Sperre, wie das Funkgerät verlassen wurde.</translation>
    </message>
    <message>
        <source>Lets the SEL knob tune in AM and FM, or stops it from doing so.</source>
        <translation>Lässt den SEL-Knopf in AM und FM abstimmen oder verhindert es.</translation>
    </message>
    <message>
        <source>Sets the display&apos;s lamp: off, on, or on for a while after a key is pressed.</source>
        <translation>Stellt die Displaybeleuchtung ein: aus, ein oder nach einem Tastendruck für eine Weile ein.</translation>
    </message>
    <message>
        <source>Sets the pitch of the key beep.</source>
        <translation>Stellt die Tonhöhe des Tastentons ein.</translation>
    </message>
    <message>
        <source>Sets how loud the key beep is.</source>
        <translation>Stellt die Lautstärke des Tastentons ein.</translation>
    </message>
    <message>
        <source>Sets the colour of the display&apos;s lamp.</source>
        <translation>Stellt die Farbe der Displaybeleuchtung ein.</translation>
    </message>
    <message>
        <source>Sets the display&apos;s contrast.</source>
        <translation>Stellt den Kontrast des Displays ein.</translation>
    </message>
    <message>
        <source>Chooses what the lock holds: the dial, the frequency, or the whole front panel.</source>
        <translation>Wählt, was die Sperre festhält: den Abstimmknopf, die Frequenz oder das ganze Bedienfeld.</translation>
    </message>
    <message>
        <source>Chooses fine or coarse steps for the main dial.</source>
        <translation>Wählt feine oder grobe Schritte für den Hauptknopf.</translation>
    </message>
    <message>
        <source>Chooses what the RF/SQL knob sets: the RF gain or the squelch.</source>
        <translation>Wählt, was der RF/SQL-Knopf einstellt: die HF-Verstärkung oder die Rauschsperre.</translation>
    </message>
    <message>
        <source>Shows the extended menu items (DCS inversion and the carrier points) on the radio.</source>
        <translation>Zeigt am Funkgerät die erweiterten Menüpunkte (DCS-Invertierung und Trägerpunkte).</translation>
    </message>
    <message>
        <source>Inverts the DCS code on transmit, on receive, or both.</source>
        <translation>Invertiert den DCS-Code beim Senden, beim Empfang oder bei beidem.</translation>
    </message>
    <message>
        <source>Moves the receive carrier point on LSB, which changes the audio&apos;s tone.</source>
        <translation>Verschiebt den Empfangs-Trägerpunkt in LSB; das ändert den Klang.</translation>
    </message>
    <message>
        <source>Moves the receive carrier point on USB, which changes the audio&apos;s tone.</source>
        <translation>Verschiebt den Empfangs-Trägerpunkt in USB; das ändert den Klang.</translation>
    </message>
    <message>
        <source>Moves the transmit carrier point on LSB, which changes your audio&apos;s tone.</source>
        <translation>Verschiebt den Sende-Trägerpunkt in LSB; das ändert den Klang Ihrer Modulation.</translation>
    </message>
    <message>
        <source>Moves the transmit carrier point on USB, which changes your audio&apos;s tone.</source>
        <translation>Verschiebt den Sende-Trägerpunkt in USB; das ändert den Klang Ihrer Modulation.</translation>
    </message>
    <message>
        <source>The antenna socket used on HF: the front BNC or the rear SO-239.</source>
        <translation>Die Antennenbuchse für KW: die BNC-Buchse vorn oder die SO-239 hinten.</translation>
    </message>
    <message>
        <source>The antenna socket used on 6 m: the front BNC or the rear SO-239.</source>
        <translation>Die Antennenbuchse für 6 m: die BNC-Buchse vorn oder die SO-239 hinten.</translation>
    </message>
    <message>
        <source>The antenna socket used for FM broadcast: the front BNC or the rear SO-239.</source>
        <translation>Die Antennenbuchse für UKW-Rundfunk: die BNC-Buchse vorn oder die SO-239 hinten.</translation>
    </message>
    <message>
        <source>The antenna socket used on the AIR band: the front BNC or the rear SO-239.</source>
        <translation>Die Antennenbuchse für den Flugfunk: die BNC-Buchse vorn oder die SO-239 hinten.</translation>
    </message>
    <message>
        <source>The antenna socket used on 2 m: the front BNC or the rear SO-239.</source>
        <translation>Die Antennenbuchse für 2 m: die BNC-Buchse vorn oder die SO-239 hinten.</translation>
    </message>
    <message>
        <source>The antenna socket used on 70 cm: the front BNC or the rear SO-239.</source>
        <translation>Die Antennenbuchse für 70 cm: die BNC-Buchse vorn oder die SO-239 hinten.</translation>
    </message>
    <message>
        <source>up to 7 characters of 0-9, A-Z and space</source>
        <translation>bis zu 7 Zeichen aus 0-9, A-Z und Leerzeichen</translation>
    </message>
</context>
<context>
    <name>ft817::CalibrationDialog</name>
    <message>
        <source>Back up calibration</source>
        <translation>Kalibrierung sichern</translation>
    </message>
    <message>
        <source>Reading the radio&apos;s calibration (EEPROM 0x0000-0x0054) over CAT…</source>
        <translation>Die Kalibrierung des Funkgeräts (EEPROM 0x0000-0x0054) wird über CAT gelesen…</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Hex</source>
        <translation>Hex</translation>
    </message>
    <message>
        <source>Decimal</source>
        <translation>Dezimal</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Bezeichnung</translation>
    </message>
    <message>
        <source>Save as…</source>
        <translation>Speichern unter…</translation>
    </message>
    <message>
        <source>Calibration values</source>
        <translation>Kalibrierwerte</translation>
    </message>
    <message>
        <source>What the radio&apos;s calibration memory holds, address by address</source>
        <translation>Der Inhalt des Kalibrierspeichers, Adresse für Adresse</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>Saves the calibration values to a backup file</source>
        <translation>Speichert die Kalibrierwerte in einer Sicherungsdatei</translation>
    </message>
    <message>
        <source>All %1 bytes read at %2 baud.</source>
        <translation>Alle %1 Bytes mit %2 Baud gelesen.</translation>
    </message>
    <message>
        <source>Kept in the history as %1.</source>
        <translation>Im Verlauf abgelegt als %1.</translation>
    </message>
    <message>
        <source>Not kept in the history: %1.</source>
        <translation>Nicht im Verlauf abgelegt: %1.</translation>
    </message>
    <message>
        <source>Save calibration backup</source>
        <translation>Kalibrierungssicherung speichern</translation>
    </message>
    <message>
        <source>Text files (*.txt);;All files (*)</source>
        <translation>Textdateien (*.txt);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Saved as %1</source>
        <translation>Gespeichert als %1</translation>
    </message>
</context>
<context>
    <name>ft817::CatWindow</name>
    <message>
        <source>Type a frequency in 10 Hz steps (43970000 is 439.700 MHz); every change of five to eight digits is sent to the radio.</source>
        <translation>Frequenz in 10-Hz-Schritten eingeben (43970000 ist 439.700 MHz); jede Änderung mit fünf bis acht Ziffern wird an das Funkgerät gesendet.</translation>
    </message>
    <message>
        <source>Frequency to tune, in 10 Hz units</source>
        <translation>Einzustellende Frequenz, in 10-Hz-Einheiten</translation>
    </message>
    <message>
        <source>CAT status</source>
        <translation>CAT-Status</translation>
    </message>
    <message>
        <source>to %1 at %2 baud</source>
        <translation>an %1 mit %2 Baud</translation>
    </message>
    <message>
        <source>Sent %1, %2</source>
        <translation>Gesendet: %1, %2</translation>
    </message>
    <message>
        <source>Not sent: %1</source>
        <translation>Nicht gesendet: %1</translation>
    </message>
    <message>
        <source>Sent %1 (%2); the radio reads it back</source>
        <translation>Gesendet: %1 (%2); das Funkgerät liest es zurück</translation>
    </message>
</context>
<context>
    <name>ft817::ChannelListWindow</name>
    <message>
        <source>YAESU Channels</source>
        <translation>YAESU Speicherkanäle</translation>
    </message>
    <message>
        <source>Row actions work on the Channels tab; special memories are edited in their cells</source>
        <translation>Zeilenbefehle wirken auf der Registerkarte „Speicherkanäle“; Sonderspeicher werden in ihren Zellen bearbeitet</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Rückgängig: %1</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Wiederholen: %1</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Nach oben</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Nach unten</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Leeren Kanal einfügen</translation>
    </message>
    <message>
        <source>Tune radio</source>
        <translation>Funkgerät einstellen</translation>
    </message>
    <message>
        <source>Take from radio</source>
        <translation>Vom Funkgerät übernehmen</translation>
    </message>
    <message>
        <source>Sent to the radio&apos;s VFO: </source>
        <translation>An den VFO des Funkgeräts gesendet: </translation>
    </message>
    <message>
        <source>Not tuned: </source>
        <translation>Nicht eingestellt: </translation>
    </message>
    <message>
        <source>Select the channel to tune the radio to first</source>
        <translation>Zuerst den Kanal wählen, auf den das Funkgerät eingestellt werden soll</translation>
    </message>
    <message>
        <source>The radio&apos;s port is busy</source>
        <translation>Die Schnittstelle zum Funkgerät ist belegt</translation>
    </message>
    <message>
        <source>Channel %1 is not in use: nothing sent</source>
        <translation>Kanal %1 ist nicht belegt: nichts gesendet</translation>
    </message>
    <message>
        <source>Tuning the radio to channel %1…</source>
        <translation>Funkgerät wird auf Kanal %1 eingestellt…</translation>
    </message>
    <message>
        <source>Select the channel to take the radio&apos;s frequency into first</source>
        <translation>Zuerst den Kanal wählen, in den die Frequenz des Funkgeräts übernommen werden soll</translation>
    </message>
    <message>
        <source>Reading the radio&apos;s frequency and mode…</source>
        <translation>Frequenz und Betriebsart des Funkgeräts werden gelesen…</translation>
    </message>
    <message>
        <source>Nothing taken: </source>
        <translation>Nichts übernommen: </translation>
    </message>
    <message>
        <source>Take from radio into channel %1</source>
        <translation>Vom Funkgerät in Kanal %1 übernehmen</translation>
    </message>
    <message>
        <source>Channel %1 takes %2 MHz %3 from the radio</source>
        <translation>Kanal %1 übernimmt %2 MHz %3 vom Funkgerät</translation>
    </message>
    <message>
        <source>Tag or frequency</source>
        <translation>Name oder Frequenz</translation>
    </message>
    <message>
        <source>Active only</source>
        <translation>Nur belegte</translation>
    </message>
    <message>
        <source>from MHz</source>
        <translation>ab MHz</translation>
    </message>
    <message>
        <source>step MHz</source>
        <translation>Schritt MHz</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>Auffüllen</translation>
    </message>
    <message>
        <source>Frequencies from start in steps for the selected rows; the other fields from the first of them</source>
        <translation>Frequenzen ab dem Startwert in Schritten für die gewählten Zeilen; die übrigen Felder wie in der ersten davon</translation>
    </message>
    <message>
        <source>Find:</source>
        <translation>Suchen:</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Speicherkanäle</translation>
    </message>
    <message>
        <source>Special</source>
        <translation>Sonderspeicher</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Shows only the channels whose tag or frequency holds this text (Ctrl+F)</source>
        <translation>Zeigt nur die Kanäle, deren Name oder Frequenz diesen Text enthält (Strg+F)</translation>
    </message>
    <message>
        <source>Shows only the channels in use</source>
        <translation>Zeigt nur die belegten Kanäle</translation>
    </message>
    <message>
        <source>Fill from, MHz</source>
        <translation>Auffüllen ab, MHz</translation>
    </message>
    <message>
        <source>The first frequency Fill gives the selected rows</source>
        <translation>Die erste Frequenz, die „Auffüllen“ den gewählten Zeilen gibt</translation>
    </message>
    <message>
        <source>Fill step, MHz</source>
        <translation>Auffüllschritt, MHz</translation>
    </message>
    <message>
        <source>What Fill adds from one selected row to the next</source>
        <translation>Was „Auffüllen“ von einer gewählten Zeile zur nächsten addiert</translation>
    </message>
    <message>
        <source>The 200 memory channels; Ctrl+Tab leaves the list</source>
        <translation>Die 200 Speicherkanäle; Strg+Tab verlässt die Liste</translation>
    </message>
    <message>
        <source>Special memories</source>
        <translation>Sonderspeicher</translation>
    </message>
    <message>
        <source>VFO bands, HOME, QMB and scan limits; Ctrl+Tab leaves the list</source>
        <translation>VFO-Bänder, HOME, QMB und Suchlaufgrenzen; Strg+Tab verlässt die Liste</translation>
    </message>
    <message>
        <source>Channels or special memories</source>
        <translation>Speicherkanäle oder Sonderspeicher</translation>
    </message>
    <message>
        <source>VFO A FM broadcast</source>
        <translation>VFO A UKW-Rundfunk</translation>
    </message>
    <message>
        <source>Simplex</source>
        <translation>Simplex</translation>
    </message>
    <message>
        <source>Tone SQL</source>
        <translation>Tone SQL</translation>
    </message>
    <message>
        <source>Select the channels to delete first</source>
        <translation>Zuerst die zu löschenden Kanäle wählen</translation>
    </message>
    <message>
        <source>Delete %1</source>
        <translation>%1 löschen</translation>
    </message>
    <message>
        <source>Made %1 inactive; the records are kept</source>
        <translation>%1 als unbelegt markiert; die Daten bleiben erhalten</translation>
    </message>
    <message>
        <source>No active channel is selected; only active channels are copied</source>
        <translation>Kein belegter Kanal gewählt; nur belegte Kanäle werden kopiert</translation>
    </message>
    <message>
        <source>Copied %1 channel(s) as CSV</source>
        <translation>%1 Kanal/Kanäle als CSV kopiert</translation>
    </message>
    <message>
        <source>Select the channel to paste into first</source>
        <translation>Zuerst den Kanal wählen, in den eingefügt werden soll</translation>
    </message>
    <message>
        <source>Nothing pasted: </source>
        <translation>Nichts eingefügt: </translation>
    </message>
    <message>
        <source>Nothing pasted: the clipboard holds no channel rows</source>
        <translation>Nichts eingefügt: Die Zwischenablage enthält keine Kanalzeilen</translation>
    </message>
    <message>
        <source>Paste into %1</source>
        <translation>In %1 einfügen</translation>
    </message>
    <message>
        <source>Pasted %1 row(s) into %2</source>
        <translation>%1 Zeile(n) in %2 eingefügt</translation>
    </message>
    <message>
        <source>Select the channels to move first</source>
        <translation>Zuerst die zu verschiebenden Kanäle wählen</translation>
    </message>
    <message>
        <source>Move %1 %2</source>
        <translation>%1 %2 verschieben</translation>
    </message>
    <message>
        <source>up</source>
        <translation>nach oben</translation>
    </message>
    <message>
        <source>down</source>
        <translation>nach unten</translation>
    </message>
    <message>
        <source>Moved to %1</source>
        <translation>Verschoben nach %1</translation>
    </message>
    <message>
        <source>Select where to insert first</source>
        <translation>Zuerst die Einfügestelle wählen</translation>
    </message>
    <message>
        <source>Nothing inserted: </source>
        <translation>Nichts eingefügt: </translation>
    </message>
    <message>
        <source>Insert at channel %1</source>
        <translation>Bei Kanal %1 einfügen</translation>
    </message>
    <message>
        <source>Inserted an inactive channel at %1; the channels after it moved down by one</source>
        <translation>Unbelegten Kanal bei %1 eingefügt; die folgenden Kanäle sind um eins nach unten gerückt</translation>
    </message>
    <message>
        <source>Select the channels to fill first</source>
        <translation>Zuerst die aufzufüllenden Kanäle wählen</translation>
    </message>
    <message>
        <source>Fill start: </source>
        <translation>Startwert: </translation>
    </message>
    <message>
        <source>Fill step: </source>
        <translation>Schrittweite: </translation>
    </message>
    <message>
        <source>Nothing filled: </source>
        <translation>Nichts aufgefüllt: </translation>
    </message>
    <message>
        <source>Fill %1</source>
        <translation>%1 auffüllen</translation>
    </message>
    <message>
        <source>Filled %1</source>
        <translation>%1 aufgefüllt</translation>
    </message>
    <message>
        <source>channel %1</source>
        <translation>Kanal %1</translation>
    </message>
    <message>
        <source>channels %1..%2</source>
        <translation>Kanäle %1..%2</translation>
    </message>
    <message>
        <source>Nothing taken: channel %1: %2</source>
        <translation>Nichts übernommen: Kanal %1: %2</translation>
    </message>
    <message>
        <source>Save as PDF…</source>
        <translation>Als PDF speichern…</translation>
    </message>
    <message>
        <source>Saves the channel sheet to print: every channel in use and the special memories, one line each</source>
        <translation>Speichert die Kanalübersicht zum Ausdrucken: jeder belegte Kanal und die Sonderspeicher, je eine Zeile</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>Drucken…</translation>
    </message>
    <message>
        <source>Prints the channel sheet: every channel in use and the special memories, one line each</source>
        <translation>Druckt die Kanalübersicht: jeder belegte Kanal und die Sonderspeicher, je eine Zeile</translation>
    </message>
    <message>
        <source>Save the channel sheet as PDF</source>
        <translation>Kanalübersicht als PDF speichern</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>The channel sheet was not saved: %1</source>
        <translation>Die Kanalübersicht wurde nicht gespeichert: %1</translation>
    </message>
    <message>
        <source>Saved the channel sheet (1 page) as %1</source>
        <translation>Kanalübersicht (1 Seite) als %1 gespeichert</translation>
    </message>
    <message>
        <source>Saved the channel sheet (%1 pages) as %2</source>
        <translation>Kanalübersicht (%1 Seiten) als %2 gespeichert</translation>
    </message>
    <message>
        <source>%1 channel sheet</source>
        <translation>Kanalübersicht %1</translation>
    </message>
    <message>
        <source>Print the channel sheet</source>
        <translation>Kanalübersicht drucken</translation>
    </message>
    <message>
        <source>Sent the channel sheet (1 page) to the printer</source>
        <translation>Kanalübersicht (1 Seite) an den Drucker gesendet</translation>
    </message>
    <message>
        <source>Sent the channel sheet (%1 pages) to the printer</source>
        <translation>Kanalübersicht (%1 Seiten) an den Drucker gesendet</translation>
    </message>
    <message>
        <source>This build cannot print; save the channel sheet as PDF and print that</source>
        <translation>Diese Ausgabe des Programms kann nicht drucken; die Kanalübersicht als PDF speichern und diese drucken</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Als PDF speichern</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Channel actions</source>
        <translation>Kanalaktionen</translation>
    </message>
    <message>
        <source>Channel sheet</source>
        <translation>Kanalübersicht</translation>
    </message>
    <message>
        <source>More tools</source>
        <translation>Weitere Werkzeuge</translation>
    </message>
    <message>
        <source>The tools the window is too narrow to show</source>
        <translation>Die Werkzeuge, für die das Fenster zu schmal ist</translation>
    </message>
</context>
<context>
    <name>ft817::EditorControls</name>
    <message>
        <source>Channel number</source>
        <translation>Kanalnummer</translation>
    </message>
    <message>
        <source>The memory channel shown, 1 to 200: type one and press Enter</source>
        <translation>Der angezeigte Speicherkanal, 1 bis 200: Nummer eingeben und Enter drücken</translation>
    </message>
    <message>
        <source>Next channel</source>
        <translation>Nächster Kanal</translation>
    </message>
    <message>
        <source>Previous channel</source>
        <translation>Vorheriger Kanal</translation>
    </message>
    <message>
        <source>The channel is in use</source>
        <translation>Der Kanal ist belegt</translation>
    </message>
    <message>
        <source>The channel transmits on its own transmit frequency</source>
        <translation>Der Kanal sendet auf einer eigenen Sendefrequenz</translation>
    </message>
    <message>
        <source>Selects VFO A</source>
        <translation>Wählt VFO A</translation>
    </message>
    <message>
        <source>Selects VFO B</source>
        <translation>Wählt VFO B</translation>
    </message>
    <message>
        <source>VFO A band</source>
        <translation>VFO-A-Band</translation>
    </message>
    <message>
        <source>The frequencies of VFO A&apos;s bands, in 10 Hz units</source>
        <translation>Die Frequenzen der Bänder von VFO A, in 10-Hz-Einheiten</translation>
    </message>
    <message>
        <source>VFO B band</source>
        <translation>VFO-B-Band</translation>
    </message>
    <message>
        <source>The frequencies of VFO B&apos;s bands, in 10 Hz units</source>
        <translation>Die Frequenzen der Bänder von VFO B, in 10-Hz-Einheiten</translation>
    </message>
    <message>
        <source>Receive frequency, in 10 Hz units</source>
        <translation>Empfangsfrequenz, in 10-Hz-Einheiten</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Betriebsart</translation>
    </message>
    <message>
        <source>Transmit frequency or repeater offset, in 10 Hz units</source>
        <translation>Sendefrequenz oder Relaisablage, in 10-Hz-Einheiten</translation>
    </message>
    <message>
        <source>Transmit mode</source>
        <translation>Sendebetriebsart</translation>
    </message>
    <message>
        <source>The channel&apos;s name, up to 8 characters</source>
        <translation>Der Name des Kanals, bis zu 8 Zeichen</translation>
    </message>
    <message>
        <source>Repeater shift</source>
        <translation>Relaisablage</translation>
    </message>
    <message>
        <source>DCS squelch</source>
        <translation>DCS-Squelch</translation>
    </message>
    <message>
        <source>CTCSS tone sent</source>
        <translation>CTCSS-Subton wird gesendet</translation>
    </message>
    <message>
        <source>Tag shown</source>
        <translation>Name angezeigt</translation>
    </message>
    <message>
        <source>The radio shows the channel&apos;s tag</source>
        <translation>Das Funkgerät zeigt den Namen des Kanals</translation>
    </message>
    <message>
        <source>DCS code number, 0 to 103</source>
        <translation>Nummer des DCS-Codes, 0 bis 103</translation>
    </message>
    <message>
        <source>CTCSS tone number, 0 to 49</source>
        <translation>Nummer des CTCSS-Subtons, 0 bis 49</translation>
    </message>
    <message>
        <source>Tone squelch: the tone sent and needed to open</source>
        <translation>Tonsquelch: Der Subton wird gesendet und zum Öffnen gebraucht</translation>
    </message>
    <message>
        <source>File Done saves to</source>
        <translation>Datei, in die „Done“ speichert</translation>
    </message>
    <message>
        <source>Saves the image to the file named above and goes back</source>
        <translation>Speichert das Abbild in der oben genannten Datei und kehrt zurück</translation>
    </message>
    <message>
        <source>Goes back without saving</source>
        <translation>Kehrt ohne Speichern zurück</translation>
    </message>
    <message>
        <source>Channels…</source>
        <translation>Speicherkanäle…</translation>
    </message>
    <message>
        <source>All 200 channels in one list, edited in place, with undo.</source>
        <translation>Alle 200 Kanäle in einer Liste, direkt bearbeitbar, mit Rückgängig.</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Einstellungen…</translation>
    </message>
    <message>
        <source>The radio&apos;s menu settings, edited with undo.</source>
        <translation>Die Menüeinstellungen des Funkgeräts, bearbeitbar mit Rückgängig.</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>Save as…</source>
        <translation>Sichern…</translation>
    </message>
    <message>
        <source>Choose the file to save to, then save and go back, as Done does.</source>
        <translation>Datei zum Speichern wählen, dann speichern und zurückkehren, wie „Done“ es tut.</translation>
    </message>
    <message>
        <source>Shows the next channel; after 200 comes 1</source>
        <translation>Zeigt den nächsten Kanal; nach 200 kommt 1</translation>
    </message>
    <message>
        <source>Shows the channel before; before 1 comes 200</source>
        <translation>Zeigt den vorherigen Kanal; vor 1 kommt 200</translation>
    </message>
    <message>
        <source>Not used: nothing typed here is kept</source>
        <translation>Nicht verwendet: hier Eingegebenes wird nicht behalten</translation>
    </message>
</context>
<context>
    <name>ft817::EditorDisplay</name>
    <message>
        <source>Offset %1%2 MHz</source>
        <translation>Ablage %1%2 MHz</translation>
    </message>
    <message>
        <source>, sends on </source>
        <translation>, sendet auf </translation>
    </message>
    <message>
        <source> — the radio does not tune this</source>
        <translation> — vom Funkgerät nicht einstellbar</translation>
    </message>
</context>
<context>
    <name>ft817::EditorHandlers</name>
    <message>
        <source>Tone mode</source>
        <translation>Tonbetrieb</translation>
    </message>
</context>
<context>
    <name>ft817::EditorWindow</name>
    <message>
        <source>

Nothing was saved and your changes are still here. Put another file name in the box above Done and press Done again, or press Cancel to leave without saving.</source>
        <translation>

Es wurde nichts gespeichert, Ihre Änderungen sind noch da. Geben Sie im Feld über „Done“ einen anderen Dateinamen ein und drücken Sie erneut „Done“, oder verlassen Sie den Editor ohne Speichern mit „Cancel“.</translation>
    </message>
    <message>
        <source> (unsaved changes)</source>
        <translation> (ungespeicherte Änderungen)</translation>
    </message>
</context>
<context>
    <name>ft817::FileChoice</name>
    <message>
        <source>Memory images (*.bin *.img);;All files (*)</source>
        <translation>Speicherabbilder (*.bin *.img);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Open a memory image</source>
        <translation>Speicherabbild öffnen</translation>
    </message>
    <message>
        <source>Save the memory image as</source>
        <translation>Speicherabbild speichern unter</translation>
    </message>
</context>
<context>
    <name>ft817::HelpWindow</name>
    <message>
        <source>The help text is missing from this build of ft817clone.</source>
        <translation>Diesem Build von ft817clone fehlt der Hilfetext.</translation>
    </message>
    <message>
        <source>ft817clone help</source>
        <translation>ft817clone-Hilfe</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>How to use ft817clone</source>
        <translation>So wird ft817clone bedient</translation>
    </message>
</context>
<context>
    <name>ft817::LanguageMenu</name>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>The desktop&apos;s language (from the next start)</source>
        <translation>Sprache des Desktops (ab dem nächsten Start)</translation>
    </message>
</context>
<context>
    <name>ft817::MainWindow</name>
    <message>
        <source>Image file</source>
        <translation>Abbilddatei</translation>
    </message>
    <message>
        <source>The image file Download writes, Upload sends and Edit opens</source>
        <translation>Die Abbilddatei, die „Download“ schreibt, „Upload“ sendet und „Edit“ öffnet</translation>
    </message>
    <message>
        <source>Receives the radio&apos;s memory into the image file; starts when it gets the focus</source>
        <translation>Empfängt den Speicher des Funkgeräts in die Abbilddatei; startet, sobald die Schaltfläche den Fokus erhält</translation>
    </message>
    <message>
        <source>Sends the image file to the radio; starts when it gets the focus</source>
        <translation>Sendet die Abbilddatei an das Funkgerät; startet, sobald die Schaltfläche den Fokus erhält</translation>
    </message>
    <message>
        <source>Opens the image file in the editor</source>
        <translation>Öffnet die Abbilddatei im Editor</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Statusfeld</translation>
    </message>
    <message>
        <source>How the last transfer went</source>
        <translation>Wie die letzte Übertragung verlief</translation>
    </message>
    <message>
        <source>CAT control</source>
        <translation>CAT-Steuerung</translation>
    </message>
    <message>
        <source>Opens the CAT control window: press Enter or Space</source>
        <translation>Öffnet das Fenster der CAT-Steuerung: Enter oder Leertaste drücken</translation>
    </message>
    <message>
        <source>Fast transfers</source>
        <translation>Schnelle Übertragung</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Port %1 (no radio heard yet)</source>
        <translation>Schnittstelle %1 (noch kein Funkgerät gehört)</translation>
    </message>
    <message>
        <source>Port %1: %2</source>
        <translation>Schnittstelle %1: %2</translation>
    </message>
    <message>
        <source>Waiting for the radio: switch it on while holding both MODE keys (clone mode), then press its A key to send.</source>
        <translation>Warten auf das Funkgerät: Bei gedrückten MODE-Tasten einschalten (Clone-Modus), dann zum Senden die Taste A drücken.</translation>
    </message>
    <message>
        <source>The radio must already wait in clone-receive: in clone mode, its C key pressed before Upload was clicked.</source>
        <translation>Das Funkgerät muss bereits im Clone-Empfang warten: im Clone-Modus die Taste C drücken, bevor „Upload“ angeklickt wird.</translation>
    </message>
    <message>
        <source>%1 blocks (%2 bytes)</source>
        <translation>%1 Blöcke (%2 Bytes)</translation>
    </message>
    <message>
        <source>the radio</source>
        <translation>Funkgerät</translation>
    </message>
    <message>
        <source>Downloaded %1 from the %2 into %3.</source>
        <translation>%1 vom %2 in %3 geladen.</translation>
    </message>
    <message>
        <source>Uploaded %1 of %2 to the %3.</source>
        <translation>%1 aus %2 an das %3 gesendet.</translation>
    </message>
    <message>
        <source>Not a whole memory: </source>
        <translation>Kein vollständiger Speicher: </translation>
    </message>
    <message>
        <source>Warning: </source>
        <translation>Warnung: </translation>
    </message>
    <message>
        <source>Back up calibration…</source>
        <translation>Kalibrierung sichern…</translation>
    </message>
    <message>
        <source>This image has damaged blocks: %1. Saving edits gives them fresh checksums, so the damage would no longer show. Edit it anyway?</source>
        <translation>Dieses Abbild hat beschädigte Blöcke: %1. Beim Speichern von Änderungen erhalten sie neue Prüfsummen, sodass der Schaden nicht mehr zu erkennen wäre. Trotzdem bearbeiten?</translation>
    </message>
    <message>
        <source>Not opened: </source>
        <translation>Nicht geöffnet: </translation>
    </message>
    <message>
        <source>This image is not a whole FT-817 memory: %1.</source>
        <translation>Dieses Abbild ist kein vollständiger FT-817-Speicher: %1.</translation>
    </message>
    <message>
        <source>not a whole FT-817 memory: %1</source>
        <translation>kein vollständiger FT-817-Speicher: %1</translation>
    </message>
    <message>
        <source>the radio cannot tune the frequency of 1 memory in use</source>
        <translation>das Funkgerät kann die Frequenz von 1 belegten Speicher nicht einstellen</translation>
    </message>
    <message>
        <source>the radio cannot tune the frequency of %1 memories in use</source>
        <translation>das Funkgerät kann die Frequenz von %1 belegten Speichern nicht einstellen</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>und %1 weitere</translation>
    </message>
    <message>
        <source>Send it anyway?</source>
        <translation>Trotzdem senden?</translation>
    </message>
    <message>
        <source>Not sent: %1</source>
        <translation>Nicht gesendet: %1</translation>
    </message>
    <message>
        <source>Open…</source>
        <translation>Öffnen…</translation>
    </message>
    <message>
        <source>Save as…</source>
        <translation>Speichern unter…</translation>
    </message>
    <message>
        <source>The editor still holds changes you left with Cancel; they are not saved in any file. Edit opens the file afresh and they are lost.</source>
        <translation>Der Editor enthält noch Änderungen, die Sie mit „Cancel“ verlassen haben; sie sind in keiner Datei gespeichert. „Edit“ öffnet die Datei neu, und sie gehen verloren.</translation>
    </message>
    <message>
        <source>Keep editing goes back to them; Done there saves them.</source>
        <translation>„Weiter bearbeiten“ kehrt zu ihnen zurück; „Done“ dort speichert sie.</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Verwerfen</translation>
    </message>
    <message>
        <source>Keep editing</source>
        <translation>Weiter bearbeiten</translation>
    </message>
</context>
<context>
    <name>ft817::MemoryTableModel</name>
    <message>
        <source>Channel %1</source>
        <translation>Kanal %1</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Betriebsart</translation>
    </message>
    <message>
        <source>Step kHz</source>
        <translation>Schritt kHz</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Ablage</translation>
    </message>
    <message>
        <source>Offset / TX MHz</source>
        <translation>Ablage / TX MHz</translation>
    </message>
    <message>
        <source>TX mode</source>
        <translation>TX-Betriebsart</translation>
    </message>
    <message>
        <source>Tone mode</source>
        <translation>Tonbetrieb</translation>
    </message>
    <message>
        <source>Tone Hz</source>
        <translation>Subton Hz</translation>
    </message>
    <message>
        <source>DCS code</source>
        <translation>DCS-Code</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Überspringen</translation>
    </message>
    <message>
        <source>Tag shown</source>
        <translation>Name angezeigt</translation>
    </message>
    <message>
        <source>Tag text</source>
        <translation>Kanalname</translation>
    </message>
    <message>
        <source>The repeater offset for a minus or plus shift, the transmit frequency for split</source>
        <translation>Die Relaisablage bei Minus- oder Plusablage, die Sendefrequenz bei Split</translation>
    </message>
    <message>
        <source>The tuning step of the channel&apos;s mode: the record keeps one for SSB/CW/DIG/PKT, one for AM and one for FM</source>
        <translation>Der Abstimmschritt der Betriebsart des Kanals: gespeichert wird einer für SSB/CW/DIG/PKT, einer für AM und einer für FM</translation>
    </message>
    <message>
        <source>IPO: the receiver&apos;s preamp off</source>
        <translation>IPO: Vorverstärker des Empfängers aus</translation>
    </message>
    <message>
        <source>ATT: the attenuator on</source>
        <translation>ATT: Abschwächer ein</translation>
    </message>
    <message>
        <source>channel %1</source>
        <translation>Kanal %1</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not one of the radio&apos;s %2 tones (67.0 to 254.1 Hz)</source>
        <translation>„%1“ ist keiner der %2 Subtöne des Funkgeräts (67.0 bis 254.1 Hz)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not one of the radio&apos;s %2 DCS codes (023 to 754)</source>
        <translation>„%1“ ist keiner der %2 DCS-Codes des Funkgeräts (023 bis 754)</translation>
    </message>
    <message>
        <source>a tag holds at most 8 characters</source>
        <translation>ein Name hat höchstens 8 Zeichen</translation>
    </message>
    <message>
        <source>a tag holds Latin-1 characters only</source>
        <translation>ein Name enthält nur Latin-1-Zeichen</translation>
    </message>
    <message>
        <source>no such entry</source>
        <translation>kein solcher Eintrag</translation>
    </message>
    <message>
        <source>this cell cannot be changed</source>
        <translation>diese Zelle kann nicht geändert werden</translation>
    </message>
</context>
<context>
    <name>ft817::PortMenu</name>
    <message>
        <source>Serial port</source>
        <translation>Serielle Schnittstelle</translation>
    </message>
    <message>
        <source>  (in use)</source>
        <translation>  (in Gebrauch)</translation>
    </message>
    <message>
        <source>No serial port found</source>
        <translation>Keine serielle Schnittstelle gefunden</translation>
    </message>
</context>
<context>
    <name>ft817::RadioSettingsWindow</name>
    <message>
        <source>Radio settings</source>
        <translation>Funkgeräte-Einstellungen</translation>
    </message>
    <message>
        <source>%1 settings</source>
        <translation>Einstellungen: %1</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Rückgängig: %1</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Wiederholen: %1</translation>
    </message>
    <message>
        <source>Setting groups</source>
        <translation>Einstellungsgruppen</translation>
    </message>
    <message>
        <source>Ctrl+Tab shows the next group</source>
        <translation>Strg+Tab zeigt die nächste Gruppe</translation>
    </message>
    <message>
        <source>%1: %2 settings</source>
        <translation>%1: %2 Einstellungen</translation>
    </message>
    <message>
        <source>Unknown layout</source>
        <translation>Unbekannter Aufbau</translation>
    </message>
    <message>
        <source> (out of range)</source>
        <translation> (außerhalb des Bereichs)</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 bis %2</translation>
    </message>
    <message>
        <source>The image holds %1, which the radio does not use; it stays until you choose another value.</source>
        <translation>Das Abbild enthält %1, was das Funkgerät nicht verwendet; der Wert bleibt, bis Sie einen anderen wählen.</translation>
    </message>
    <message>
        <source>Set %1 to %2</source>
        <translation>%1 auf %2 setzen</translation>
    </message>
    <message>
        <source>Menu %1.</source>
        <translation>Menü %1.</translation>
    </message>
    <message>
        <source>The ID callsign takes %1; %2. It is stored when the radio can show it.</source>
        <translation>Das ID-Rufzeichen nimmt %1 an; %2. Es wird gespeichert, sobald das Funkgerät es anzeigen kann.</translation>
    </message>
</context>
<context>
    <name>ft817::SpecialTableModel</name>
    <message>
        <source>Memory</source>
        <translation>Speicher</translation>
    </message>
    <message>
        <source>In use</source>
        <translation>Belegt</translation>
    </message>
</context>
</TS>
