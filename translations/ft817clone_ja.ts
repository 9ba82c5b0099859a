<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>ChannelSheet</name>
    <message>
        <source>Channel sheet</source>
        <translation>チャンネル表</translation>
    </message>
    <message>
        <source>%1 channel sheet</source>
        <translation>%1 チャンネル表</translation>
    </message>
    <message>
        <source>No channel in use</source>
        <translation>使用中のチャンネルはありません</translation>
    </message>
    <message>
        <source>Channels in use: %1</source>
        <translation>使用中のチャンネル：%1</translation>
    </message>
    <message>
        <source>Special memories: %1</source>
        <translation>特殊メモリー：%1</translation>
    </message>
    <message>
        <source>Ch</source>
        <translation>CH</translation>
    </message>
    <message>
        <source>Tag</source>
        <translation>タグ</translation>
    </message>
    <message>
        <source>RX MHz</source>
        <translation>受信 MHz</translation>
    </message>
    <message>
        <source>Shift / TX MHz</source>
        <translation>シフト / 送信 MHz</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>モード</translation>
    </message>
    <message>
        <source>Tone / code</source>
        <translation>トーン / コード</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>スキップ</translation>
    </message>
    <message>
        <source>Memory</source>
        <translation>メモリー</translation>
    </message>
    <message>
        <source>TX %1</source>
        <translation>送信 %1</translation>
    </message>
    <message>
        <source>Tone %1</source>
        <translation>トーン %1</translation>
    </message>
    <message>
        <source>Tone SQL %1</source>
        <translation>Tone SQL %1</translation>
    </message>
    <message>
        <source>skip</source>
        <translation>スキップ</translation>
    </message>
    <message>
        <source>File: %1</source>
        <translation>ファイル：%1</translation>
    </message>
    <message>
        <source>saved %1</source>
        <translation>保存 %1</translation>
    </message>
    <message>
        <source>not saved yet</source>
        <translation>未保存</translation>
    </message>
    <message>
        <source>Made %1 with ft817clone</source>
        <translation>%1 に ft817clone で作成</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>%1 / %2 ページ</translation>
    </message>
</context>
<context>
    <name>RadioSettings</name>
    <message>
        <source>144 ARS (auto repeater shift, 2 m)</source>
        <translation>144 ARS（オートレピータシフト、2 m）</translation>
    </message>
    <message>
        <source>430 ARS (auto repeater shift, 70 cm)</source>
        <translation>430 ARS（オートレピータシフト、70 cm）</translation>
    </message>
    <message>
        <source>AM MIC gain</source>
        <translation>AM MIC ゲイン</translation>
    </message>
    <message>
        <source>APO time (auto power-off)</source>
        <translation>APO TIME（オートパワーオフ）</translation>
    </message>
    <message>
        <source>ARTS beep</source>
        <translation>ARTS ビープ</translation>
    </message>
    <message>
        <source>Battery charge time</source>
        <translation>バッテリー充電時間</translation>
    </message>
    <message>
        <source>CAT rate</source>
        <translation>CAT 通信速度</translation>
    </message>
    <message>
        <source>FM MIC gain</source>
        <translation>FM MIC ゲイン</translation>
    </message>
    <message>
        <source>Memory groups</source>
        <translation>メモリーグループ</translation>
    </message>
    <message>
        <source>MIC scan</source>
        <translation>MIC スキャン</translation>
    </message>
    <message>
        <source>Optional filter</source>
        <translation>オプションフィルター</translation>
    </message>
    <message>
        <source>Scan resume</source>
        <translation>スキャン再開</translation>
    </message>
    <message>
        <source>Spectrum scope</source>
        <translation>スペクトラムスコープ</translation>
    </message>
    <message>
        <source>SSB MIC gain</source>
        <translation>SSB MIC ゲイン</translation>
    </message>
    <message>
        <source>TOT time (time-out timer, minutes)</source>
        <translation>TOT TIME（タイムアウトタイマー、分）</translation>
    </message>
    <message>
        <source>VOX delay (x100 ms)</source>
        <translation>VOX ディレイ（x100 ms）</translation>
    </message>
    <message>
        <source>VOX gain</source>
        <translation>VOX ゲイン</translation>
    </message>
    <message>
        <source>TX power</source>
        <translation>送信出力</translation>
    </message>
    <message>
        <source>Emergency (5167.5 kHz) enable</source>
        <translation>非常通信周波数（5167.5 kHz）を有効にする</translation>
    </message>
    <message>
        <source>CW delay (x10 ms)</source>
        <translation>CW ディレイ（x10 ms）</translation>
    </message>
    <message>
        <source>CW ID</source>
        <translation>CW ID</translation>
    </message>
    <message>
        <source>CW paddle</source>
        <translation>CW パドル</translation>
    </message>
    <message>
        <source>CW pitch</source>
        <translation>CW ピッチ</translation>
    </message>
    <message>
        <source>CW speed</source>
        <translation>CW スピード</translation>
    </message>
    <message>
        <source>CW weight</source>
        <translation>CW ウェイト</translation>
    </message>
    <message>
        <source>MIC key</source>
        <translation>MIC キー</translation>
    </message>
    <message>
        <source>CW sidetone volume</source>
        <translation>CW サイドトーン音量</translation>
    </message>
    <message>
        <source>ID callsign (for CW ID)</source>
        <translation>ID コールサイン（CW ID 用）</translation>
    </message>
    <message>
        <source>BK (CW semi break-in)</source>
        <translation>BK（CW セミブレークイン）</translation>
    </message>
    <message>
        <source>KYR (electronic keyer)</source>
        <translation>KYR（エレクトロニックキーヤー）</translation>
    </message>
    <message>
        <source>9600 MIC level</source>
        <translation>9600 MIC レベル</translation>
    </message>
    <message>
        <source>DIG DISP (x10 Hz)</source>
        <translation>DIG DISP（x10 Hz）</translation>
    </message>
    <message>
        <source>DIG MIC level</source>
        <translation>DIG MIC レベル</translation>
    </message>
    <message>
        <source>DIG mode</source>
        <translation>DIG モード</translation>
    </message>
    <message>
        <source>DIG SHIFT (x10 Hz)</source>
        <translation>DIG SHIFT（x10 Hz）</translation>
    </message>
    <message>
        <source>PKT MIC level</source>
        <translation>PKT MIC レベル</translation>
    </message>
    <message>
        <source>PKT rate</source>
        <translation>PKT 通信速度</translation>
    </message>
    <message>
        <source>Split (panel)</source>
        <translation>スプリット（パネル）</translation>
    </message>
    <message>
        <source>Scan (panel; direction)</source>
        <translation>スキャン（パネル、方向）</translation>
    </message>
    <message>
        <source>Priority watch (panel)</source>
        <translation>プライオリティ（パネル）</translation>
    </message>
    <message>
        <source>Dual watch (panel)</source>
        <translation>デュアルワッチ（パネル）</translation>
    </message>
    <message>
        <source>ARTS (panel)</source>
        <translation>ARTS（パネル）</translation>
    </message>
    <message>
        <source>Noise blanker (panel)</source>
        <translation>ノイズブランカー（パネル）</translation>
    </message>
    <message>
        <source>AGC (panel)</source>
        <translation>AGC（パネル）</translation>
    </message>
    <message>
        <source>Meter mode (panel)</source>
        <translation>メーター表示（パネル）</translation>
    </message>
    <message>
        <source>VOX (panel)</source>
        <translation>VOX（パネル）</translation>
    </message>
    <message>
        <source>FAST tuning (panel)</source>
        <translation>FAST 同調（パネル）</translation>
    </message>
    <message>
        <source>Lock (panel)</source>
        <translation>ロック（パネル）</translation>
    </message>
    <message>
        <source>AM&amp;FM dial</source>
        <translation>AM&amp;FM ダイヤル</translation>
    </message>
    <message>
        <source>LCD backlight</source>
        <translation>LCD バックライト</translation>
    </message>
    <message>
        <source>Beep frequency</source>
        <translation>ビープ音の周波数</translation>
    </message>
    <message>
        <source>Beep volume</source>
        <translation>ビープ音量</translation>
    </message>
    <message>
        <source>LCD colour</source>
        <translation>LCD カラー</translation>
    </message>
    <message>
        <source>LCD contrast</source>
        <translation>LCD コントラスト</translation>
    </message>
    <message>
        <source>Lock mode</source>
        <translation>ロックモード</translation>
    </message>
    <message>
        <source>Main dial step</source>
        <translation>メインダイヤルのステップ</translation>
    </message>
    <message>
        <source>RF/SQL knob function</source>
        <translation>RF/SQL つまみの機能</translation>
    </message>
    <message>
        <source>Extended menu</source>
        <translation>拡張メニュー</translation>
    </message>
    <message>
        <source>DCS inversion</source>
        <translation>DCS 反転</translation>
    </message>
    <message>
        <source>RX LSB carrier point (x10 Hz)</source>
        <translation>受信 LSB キャリアポイント（x10 Hz）</translation>
    </message>
    <message>
        <source>RX USB carrier point (x10 Hz)</source>
        <translation>受信 USB キャリアポイント（x10 Hz）</translation>
    </message>
    <message>
        <source>TX LSB carrier point (x10 Hz)</source>
        <translation>送信 LSB キャリアポイント（x10 Hz）</translation>
    </message>
    <message>
        <source>TX USB carrier point (x10 Hz)</source>
        <translation>送信 USB キャリアポイント（x10 Hz）</translation>
    </message>
    <message>
        <source>Antenna: HF</source>
        <translation>アンテナ：HF</translation>
    </message>
    <message>
        <source>Antenna: 6 m</source>
        <translation>アンテナ：6 m</translation>
    </message>
    <message>
        <source>Antenna: FM broadcast</source>
        <translation>アンテナ：FM 放送</translation>
    </message>
    <message>
        <source>Antenna: AIR band</source>
        <translation>アンテナ：エアバンド</translation>
    </message>
    <message>
        <source>Antenna: VHF (2 m)</source>
        <translation>アンテナ：VHF（2 m）</translation>
    </message>
    <message>
        <source>Antenna: UHF (70 cm)</source>
        <translation>アンテナ：UHF（70 cm）</translation>
    </message>
    <message>
        <source>Basic</source>
        <translation>基本</translation>
    </message>
    <message>
        <source>CW</source>
        <translation>CW</translation>
    </message>
    <message>
        <source>Digital and packet</source>
        <translation>デジタル・パケット</translation>
    </message>
    <message>
        <source>Front panel state</source>
        <translation>パネルの状態</translation>
    </message>
    <message>
        <source>Display and controls</source>
        <translation>表示と操作</translation>
    </message>
    <message>
        <source>Antenna sockets</source>
        <translation>アンテナ端子</translation>
    </message>
    <message>
        <source>Shifts the transmit frequency automatically on the 2 m repeater sub-bands.</source>
        <translation>2 m のレピータ帯で送信周波数を自動的にシフトします。</translation>
    </message>
    <message>
        <source>Shifts the transmit frequency automatically on the 70 cm repeater sub-bands.</source>
        <translation>70 cm のレピータ帯で送信周波数を自動的にシフトします。</translation>
    </message>
    <message>
        <source>Sets the microphone gain used on AM.</source>
        <translation>AM のマイクゲインを設定します。</translation>
    </message>
    <message>
        <source>Switches the radio off after this long without a key pressed or the dial turned.</source>
        <translation>キー操作やダイヤル操作がないまま、この時間が過ぎると電源を切ります。</translation>
    </message>
    <message>
        <source>Chooses when ARTS beeps: never, when the other station comes in or goes out of range, or on every check.</source>
        <translation>ARTS のビープ音を鳴らすときを選びます：鳴らさない、相手局が圏内に入ったとき・圏外に出たとき、または確認のたび。</translation>
    </message>
    <message>
        <source>Sets how long the radio charges an internal battery pack.</source>
        <translation>内蔵バッテリーパックの充電時間を設定します。</translation>
    </message>
    <message>
        <source>Sets the serial speed of the CAT socket; the computer must use the same speed.</source>
        <translation>CAT 端子の通信速度を設定します。パソコン側も同じ速度にしてください。</translation>
    </message>
    <message>
        <source>Sets the microphone gain used on FM.</source>
        <translation>FM のマイクゲインを設定します。</translation>
    </message>
    <message>
        <source>Splits the 200 memory channels into groups of 20 to step through.</source>
        <translation>200 のメモリーチャンネルを 20 チャンネルずつのグループに分けて切り替えます。</translation>
    </message>
    <message>
        <source>Lets the microphone&apos;s UP and DWN keys start a scan when held.</source>
        <translation>マイクの UP／DWN キーを押し続けるとスキャンを始めます。</translation>
    </message>
    <message>
        <source>Tells the radio which optional filter is fitted: none, an SSB filter or a CW filter.</source>
        <translation>取り付けたオプションフィルターを設定します：なし、SSB フィルター、CW フィルター。</translation>
    </message>
    <message>
        <source>Sets how long a scan waits on a signal before it moves on.</source>
        <translation>スキャンが信号で止まってから再開するまでの時間を設定します。</translation>
    </message>
    <message>
        <source>Chooses whether the spectrum scope sweeps all the time (Cont) or only now and then (Chk).</source>
        <translation>スペクトラムスコープを常に掃引する（Cont）か、ときどき掃引する（Chk）かを選びます。</translation>
    </message>
    <message>
        <source>Sets the microphone gain used on SSB.</source>
        <translation>SSB のマイクゲインを設定します。</translation>
    </message>
    <message>
        <source>Ends a transmission that lasts longer than this many minutes.</source>
        <translation>送信がこの分数を超えると送信を止めます。</translation>
    </message>
    <message>
        <source>Sets how long the radio keeps transmitting on VOX after you stop speaking.</source>
        <translation>VOX で話し終えてから送信を続ける時間を設定します。</translation>
    </message>
    <message>
        <source>Sets how loud you must speak for VOX to start transmitting.</source>
        <translation>VOX で送信を始めるのに必要な声の大きさを設定します。</translation>
    </message>
    <message>
        <source>Sets the transmit power: high or one of the three low levels.</source>
        <translation>送信出力を設定します：ハイ、または 3 段階のロー。</translation>
    </message>
    <message>
        <source>Allows transmitting on the Alaska emergency frequency, 5167.5 kHz.</source>
        <translation>アラスカの非常通信周波数 5167.5 kHz での送信を許可します。</translation>
    </message>
    <message>
        <source>Sets how long the radio stays on transmit after the last CW element in semi break-in.</source>
        <translation>セミブレークインで最後の CW 符号のあと送信を続ける時間を設定します。</translation>
    </message>
    <message>
        <source>While ARTS is on, sends the ID callsign in CW now and then.</source>
        <translation>ARTS の動作中、ときどき ID コールサインを CW で送信します。</translation>
    </message>
    <message>
        <source>Swaps the dot and dash sides of the paddle.</source>
        <translation>パドルの短点側と長点側を入れ替えます。</translation>
    </message>
    <message>
        <source>Sets the pitch of the CW sidetone and the received CW note.</source>
        <translation>CW サイドトーンと受信した CW の音の高さを設定します。</translation>
    </message>
    <message>
        <source>Sets the electronic keyer&apos;s speed in words per minute.</source>
        <translation>エレクトロニックキーヤーの速度を WPM で設定します。</translation>
    </message>
    <message>
        <source>Sets the electronic keyer&apos;s dot-to-dash ratio.</source>
        <translation>エレクトロニックキーヤーの短点と長点の比を設定します。</translation>
    </message>
    <message>
        <source>Lets the microphone&apos;s UP and DWN keys work as a CW paddle.</source>
        <translation>マイクの UP／DWN キーを CW パドルとして使えるようにします。</translation>
    </message>
    <message>
        <source>Sets how loud you hear your own CW.</source>
        <translation>自分の CW のモニター音量を設定します。</translation>
    </message>
    <message>
        <source>The callsign the radio sends in CW for CW ID: up to 7 of 0-9, A-Z and space.</source>
        <translation>CW ID で無線機が CW 送信するコールサイン：0-9、A-Z、スペースの 7 文字まで。</translation>
    </message>
    <message>
        <source>Switches CW semi break-in on: pressing the key starts transmitting.</source>
        <translation>CW セミブレークインをオンにします：キーを押すと送信を始めます。</translation>
    </message>
    <message>
        <source>Switches the built-in electronic keyer on for a paddle.</source>
        <translation>パドル用の内蔵エレクトロニックキーヤーをオンにします。</translation>
    </message>
    <message>
        <source>Sets the audio level from a 9600 baud packet modem.</source>
        <translation>9600 bps パケットモデムからの音声レベルを設定します。</translation>
    </message>
    <message>
        <source>Moves the frequency the display shows in the digital modes.</source>
        <translation>デジタルモードで表示する周波数をずらします。</translation>
    </message>
    <message>
        <source>Sets the audio level from the data socket in the digital modes.</source>
        <translation>デジタルモードでデータ端子からの音声レベルを設定します。</translation>
    </message>
    <message>
        <source>Chooses the digital mode the DIG mode uses.</source>
        <translation>DIG モードで使うデジタルモードを選びます。</translation>
    </message>
    <message>
        <source>Moves the carrier point in the digital modes.</source>
        <translation>デジタルモードのキャリアポイントをずらします。</translation>
    </message>
    <message>
        <source>Sets the audio level from a 1200 baud packet modem.</source>
        <translation>1200 bps パケットモデムからの音声レベルを設定します。</translation>
    </message>
    <message>
        <source>Chooses the packet speed: 1200 or 9600 baud.</source>
        <translation>パケットの速度を選びます：1200 または 9600 bps。</translation>
    </message>
    <message>
        <source>Split operation as the radio was left: receive on one VFO, transmit on the other.</source>
        <translation>無線機を最後に使ったときのスプリット運用：一方の VFO で受信し、もう一方で送信します。</translation>
    </message>
    <message>
        <source>The scan as the radio was left: none, up or down.</source>
        <translation>無線機を最後に使ったときのスキャン：なし、アップ、ダウン。</translation>
    </message>
    <message>
        <source>Priority watch as the radio was left.</source>
        <translation>無線機を最後に使ったときのプライオリティ。</translation>
    </message>
    <message>
        <source>Dual watch as the radio was left.</source>
        <translation>無線機を最後に使ったときのデュアルワッチ。</translation>
    </message>
    <message>
        <source>ARTS (auto range transponder system) as the radio was left.</source>
        <translation>無線機を最後に使ったときの ARTS（オートレンジトランスポンダーシステム）。</translation>
    </message>
    <message>
        <source>The noise blanker as the radio was left.</source>
        <translation>無線機を最後に使ったときのノイズブランカー。</translation>
    </message>
    <message>
        <source>The AGC speed as the radio was left.</source>
        <translation>無線機を最後に使ったときの AGC の速さ。</translation>
    </message>
    <message>
        <source>What the meter shows while transmitting, as the radio was left.</source>
        <translation>無線機を最後に使ったときの送信中のメーター表示。</translation>
    </message>
    <message>
        <source>VOX (transmit when you speak) as the radio was left.</source>
        <translation>無線機を最後に使ったときの VOX（声で送信）。</translation>
    </message>
    <message>
        <source>Fast tuning of the main dial as the radio was left.</source>
        <translation>無線機を最後に使ったときのメインダイヤルの高速同調。</translation>
    </message>
    <message>
        <source>The lock as the radio was left.</source>
        <translation>無線機を最後に使ったときのロック。</translation>
    </message>
    <message>
        <source>Lets the SEL knob tune in AM and FM, or stops it from doing so.</source>
        <translation>AM と FM で SEL つまみによる同調を許可するか禁止するかを選びます。</translation>
    </message>
    <message>
        <source>Sets the display&apos;s lamp: off, on, or on for a while after a key is pressed.</source>
        <translation>ディスプレイの照明を設定します：オフ、オン、またはキー操作のあとしばらく点灯。</translation>
    </message>
    <message>
        <source>Sets the pitch of the key beep.</source>
        <translation>キー操作のビープ音の高さを設定します。</translation>
    </message>
    <message>
        <source>Sets how loud the key beep is.</source>
        <translation>キー操作のビープ音の音量を設定します。</translation>
    </message>
    <message>
        <source>Sets the colour of the display&apos;s lamp.</source>
        <translation>ディスプレイの照明の色を設定します。</translation>
    </message>
    <message>
        <source>Sets the display&apos;s contrast.</source>
        <translation>ディスプレイのコントラストを設定します。</translation>
    </message>
    <message>
        <source>Chooses what the lock holds: the dial, the frequency, or the whole front panel.</source>
        <translation>ロックの対象を選びます：ダイヤル、周波数、またはパネル全体。</translation>
    </message>
    <message>
        <source>Chooses fine or coarse steps for the main dial.</source>
        <translation>メインダイヤルのステップを細かくするか粗くするかを選びます。</translation>
    </message>
    <message>
        <source>Chooses what the RF/SQL knob sets: the RF gain or the squelch.</source>
        <translation>RF/SQL つまみで調整するものを選びます：RF ゲインまたはスケルチ。</translation>
    </message>
    <message>
        <source>Shows the extended menu items (DCS inversion and the carrier points) on the radio.</source>
        <translation>無線機に拡張メニュー（DCS 反転とキャリアポイント）を表示します。</translation>
    </message>
    <message>
        <source>Inverts the DCS code on transmit, on receive, or both.</source>
        <translation>送信時、受信時、またはその両方で DCS コードを反転します。</translation>
    </message>
    <message>
        <source>Moves the receive carrier point on LSB, which changes the audio&apos;s tone.</source>
        <translation>LSB の受信キャリアポイントをずらします。受信音の音質が変わります。</translation>
    </message>
    <message>
        <source>Moves the receive carrier point on USB, which changes the audio&apos;s tone.</source>
        <translation>USB の受信キャリアポイントをずらします。受信音の音質が変わります。</translation>
    </message>
    <message>
        <source>Moves the transmit carrier point on LSB, which changes your audio&apos;s tone.</source>
        <translation>LSB の送信キャリアポイントをずらします。送信音の音質が変わります。</translation>
    </message>
    <message>
        <source>Moves the transmit carrier point on USB, which changes your audio&apos;s tone.</source>
        <translation>USB の送信キャリアポイントをずらします。送信音の音質が変わります。</translation>
    </message>
    <message>
        <source>The antenna socket used on HF: the front BNC or the rear SO-239.</source>
        <translation>HF で使うアンテナ端子：前面の BNC または背面の SO-239。</translation>
    </message>
    <message>
        <source>The antenna socket used on 6 m: the front BNC or the rear SO-239.</source>
        <translation>6 m で使うアンテナ端子：前面の BNC または背面の SO-239。</translation>
    </message>
    <message>
        <source>The antenna socket used for FM broadcast: the front BNC or the rear SO-239.</source>
        <translation>FM 放送で使うアンテナ端子：前面の BNC または背面の SO-239。</translation>
    </message>
    <message>
        <source>The antenna socket used on the AIR band: the front BNC or the rear SO-239.</source>
        <translation>エアバンドで使うアンテナ端子：前面の BNC または背面の SO-239。</translation>
    </message>
    <message>
        <source>The antenna socket used on 2 m: the front BNC or the rear SO-239.</source>
        <translation>2 m で使うアンテナ端子：前面の BNC または背面の SO-239。</translation>
    </message>
    <message>
        <source>The antenna socket used on 70 cm: the front BNC or the rear SO-239.</source>
        <translation>70 cm で使うアンテナ端子：前面の BNC または背面の SO-239。</translation>
    </message>
    <message>
        <source>up to 7 characters of 0-9, A-Z and space</source>
        <translation>0-9、A-Z、スペースの 7 文字まで</translation>
    </message>
</context>
<context>
    <name>ft817::CalibrationDialog</name>
    <message>
        <source>Back up calibration</source>
        <translation>校正データのバックアップ</translation>
    </message>
    <message>
        <source>Reading the radio&apos;s calibration (EEPROM 0x0000-0x0054) over CAT…</source>
        <translation>無線機の校正データ（EEPROM 0x0000-0x0054）を CAT で読み込んでいます…</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>アドレス</translation>
    </message>
    <message>
        <source>Hex</source>
        <translation>16進</translation>
    </message>
    <message>
        <source>Decimal</source>
        <translation>10進</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>Save as…</source>
        <translation>名前を付けて保存…</translation>
    </message>
    <message>
        <source>Calibration values</source>
        <translation>校正値</translation>
    </message>
    <message>
        <source>What the radio&apos;s calibration memory holds, address by address</source>
        <translation>無線機の校正メモリーの内容（アドレスごと）</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>名前を付けて保存</translation>
    </message>
    <message>
        <source>Saves the calibration values to a backup file</source>
        <translation>校正値をバックアップファイルに保存します</translation>
    </message>
    <message>
        <source>All %1 bytes read at %2 baud.</source>
        <translation>%1 バイトすべてを %2 bps で読み込みました。</translation>
    </message>
    <message>
        <source>Kept in the history as %1.</source>
        <translation>履歴に %1 として保存しました。</translation>
    </message>
    <message>
        <source>Not kept in the history: %1.</source>
        <translation>履歴には保存できませんでした：%1。</translation>
    </message>
    <message>
        <source>Save calibration backup</source>
        <translation>校正データのバックアップを保存</translation>
    </message>
    <message>
        <source>Text files (*.txt);;All files (*)</source>
        <translation>テキストファイル (*.txt);;すべてのファイル (*)</translation>
    </message>
    <message>
        <source>Saved as %1</source>
        <translation>%1 に保存しました</translation>
    </message>
</context>
<context>
    <name>ft817::CatWindow</name>
    <message>
        <source>Type a frequency in 10 Hz steps (43970000 is 439.700 MHz); every change of five to eight digits is sent to the radio.</source>
        <translation>周波数を 10 Hz 単位で入力します（43970000 は 439.700 MHz）。5～8 桁の数字に変わるたびに無線機へ送信します。</translation>
    </message>
    <message>
        <source>Frequency to tune, in 10 Hz units</source>
        <translation>合わせる周波数（10 Hz 単位）</translation>
    </message>
    <message>
        <source>CAT status</source>
        <translation>CAT の状態</translation>
    </message>
    <message>
        <source>to %1 at %2 baud</source>
        <translation>%1、%2 bps</translation>
    </message>
    <message>
        <source>Sent %1, %2</source>
        <translation>%1 を送信、%2</translation>
    </message>
    <message>
        <source>Not sent: %1</source>
        <translation>送信できませんでした：%1</translation>
    </message>
    <message>
        <source>Sent %1 (%2); the radio reads it back</source>
        <translation>%1（%2）を送信しました。無線機から読み返して確認します</translation>
    </message>
</context>
<context>
    <name>ft817::ChannelListWindow</name>
    <message>
        <source>YAESU Channels</source>
        <translation>YAESU メモリーチャンネル</translation>
    </message>
    <message>
        <source>Row actions work on the Channels tab; special memories are edited in their cells</source>
        <translation>行の操作は「メモリーチャンネル」タブで使えます。特殊メモリーはセルで直接編集します</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>元に戻す</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>元に戻す：%1</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>やり直し</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>やり直し：%1</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>コピー</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>貼り付け</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>上へ移動</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>下へ移動</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>空きチャンネルを挿入</translation>
    </message>
    <message>
        <source>Tune radio</source>
        <translation>無線機に設定</translation>
    </message>
    <message>
        <source>Take from radio</source>
        <translation>無線機から取り込む</translation>
    </message>
    <message>
        <source>Sent to the radio&apos;s VFO: </source>
        <translation>無線機の VFO に送信しました：</translation>
    </message>
    <message>
        <source>Not tuned: </source>
        <translation>設定できませんでした：</translation>
    </message>
    <message>
        <source>Select the channel to tune the radio to first</source>
        <translation>先に無線機に設定するチャンネルを選んでください</translation>
    </message>
    <message>
        <source>The radio&apos;s port is busy</source>
        <translation>無線機のポートは使用中です</translation>
    </message>
    <message>
        <source>Channel %1 is not in use: nothing sent</source>
        <translation>チャンネル %1 は未使用です。何も送信していません</translation>
    </message>
    <message>
        <source>Tuning the radio to channel %1…</source>
        <translation>無線機をチャンネル %1 に設定しています…</translation>
    </message>
    <message>
        <source>Select the channel to take the radio&apos;s frequency into first</source>
        <translation>先に無線機の周波数を取り込むチャンネルを選んでください</translation>
    </message>
    <message>
        <source>Reading the radio&apos;s frequency and mode…</source>
        <translation>無線機の周波数とモードを読み込んでいます…</translation>
    </message>
    <message>
        <source>Nothing taken: </source>
        <translation>取り込みませんでした：</translation>
    </message>
    <message>
        <source>Take from radio into channel %1</source>
        <translation>無線機からチャンネル %1 に取り込み</translation>
    </message>
    <message>
        <source>Channel %1 takes %2 MHz %3 from the radio</source>
        <translation>チャンネル %1 に無線機から %2 MHz %3 を取り込みました</translation>
    </message>
    <message>
        <source>Tag or frequency</source>
        <translation>タグまたは周波数</translation>
    </message>
    <message>
        <source>Active only</source>
        <translation>使用中のみ</translation>
    </message>
    <message>
        <source>from MHz</source>
        <translation>開始 MHz</translation>
    </message>
    <message>
        <source>step MHz</source>
        <translation>ステップ MHz</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>連続入力</translation>
    </message>
    <message>
        <source>Frequencies from start in steps for the selected rows; the other fields from the first of them</source>
        <translation>選んだ行に開始周波数からステップごとの周波数を入れます。ほかの項目は最初の行と同じにします</translation>
    </message>
    <message>
        <source>Find:</source>
        <translation>検索：</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>メモリーチャンネル</translation>
    </message>
    <message>
        <source>Special</source>
        <translation>特殊メモリー</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>検索</translation>
    </message>
    <message>
        <source>Shows only the channels whose tag or frequency holds this text (Ctrl+F)</source>
        <translation>タグまたは周波数にこの文字を含むチャンネルだけを表示します（Ctrl+F）</translation>
    </message>
    <message>
        <source>Shows only the channels in use</source>
        <translation>使用中のチャンネルだけを表示します</translation>
    </message>
    <message>
        <source>Fill from, MHz</source>
        <translation>連続入力の開始、MHz</translation>
    </message>
    <message>
        <source>The first frequency Fill gives the selected rows</source>
        <translation>「連続入力」で選んだ行に入れる最初の周波数</translation>
    </message>
    <message>
        <source>Fill step, MHz</source>
        <translation>連続入力のステップ、MHz</translation>
    </message>
    <message>
        <source>What Fill adds from one selected row to the next</source>
        <translation>「連続入力」で行ごとに加える周波数</translation>
    </message>
    <message>
        <source>The 200 memory channels; Ctrl+Tab leaves the list</source>
        <translation>200 のメモリーチャンネル。Ctrl+Tab で一覧から出ます</translation>
    </message>
    <message>
        <source>Special memories</source>
        <translation>特殊メモリー</translation>
    </message>
    <message>
        <source>VFO bands, HOME, QMB and scan limits; Ctrl+Tab leaves the list</source>
        <translation>VFO バンド、HOME、QMB、スキャン範囲。Ctrl+Tab で一覧から出ます</translation>
    </message>
    <message>
        <source>Channels or special memories</source>
        <translation>メモリーチャンネルまたは特殊メモリー</translation>
    </message>
    <message>
        <source>VFO A FM broadcast</source>
        <translation>VFO A FM 放送</translation>
    </message>
    <message>
        <source>Simplex</source>
        <translation>シンプレックス</translation>
    </message>
    <message>
        <source>Tone SQL</source>
        <translation>Tone SQL</translation>
    </message>
    <message>
        <source>Select the channels to delete first</source>
        <translation>先に削除するチャンネルを選んでください</translation>
    </message>
    <message>
        <source>Delete %1</source>
        <translation>%1 を削除</translation>
    </message>
    <message>
        <source>Made %1 inactive; the records are kept</source>
        <translation>%1 を未使用にしました。データは残っています</translation>
    </message>
    <message>
        <source>No active channel is selected; only active channels are copied</source>
        <translation>使用中のチャンネルが選ばれていません。コピーされるのは使用中のチャンネルだけです</translation>
    </message>
    <message>
        <source>Copied %1 channel(s) as CSV</source>
        <translation>%1 チャンネルを CSV としてコピーしました</translation>
    </message>
    <message>
        <source>Select the channel to paste into first</source>
        <translation>先に貼り付け先のチャンネルを選んでください</translation>
    </message>
    <message>
        <source>Nothing pasted: </source>
        <translation>貼り付けませんでした：</translation>
    </message>
    <message>
        <source>Nothing pasted: the clipboard holds no channel rows</source>
        <translation>貼り付けませんでした：クリップボードにチャンネルの行がありません</translation>
    </message>
    <message>
        <source>Paste into %1</source>
        <translation>%1 に貼り付け</translation>
    </message>
    <message>
        <source>Pasted %1 row(s) into %2</source>
        <translation>%1 行を %2 に貼り付けました</translation>
    </message>
    <message>
        <source>Select the channels to move first</source>
        <translation>先に移動するチャンネルを選んでください</translation>
    </message>
    <message>
        <source>Move %1 %2</source>
        <translation>%1 を%2</translation>
    </message>
    <message>
        <source>up</source>
        <translation>上へ移動</translation>
    </message>
    <message>
        <source>down</source>
        <translation>下へ移動</translation>
    </message>
    <message>
        <source>Moved to %1</source>
        <translation>%1 へ移動しました</translation>
    </message>
    <message>
        <source>Select where to insert first</source>
        <translation>先に挿入する位置を選んでください</translation>
    </message>
    <message>
        <source>Nothing inserted: </source>
        <translation>挿入しませんでした：</translation>
    </message>
    <message>
        <source>Insert at channel %1</source>
        <translation>チャンネル %1 に挿入</translation>
    </message>
    <message>
        <source>Inserted an inactive channel at %1; the channels after it moved down by one</source>
        <translation>%1 に未使用のチャンネルを挿入しました。以降のチャンネルは 1 つずつ下へずれました</translation>
    </message>
    <message>
        <source>Select the channels to fill first</source>
        <translation>先に連続入力するチャンネルを選んでください</translation>
    </message>
    <message>
        <source>Fill start: </source>
        <translation>開始周波数：</translation>
    </message>
    <message>
        <source>Fill step: </source>
        <translation>ステップ：</translation>
    </message>
    <message>
        <source>Nothing filled: </source>
        <translation>連続入力しませんでした：</translation>
    </message>
    <message>
        <source>Fill %1</source>
        <translation>%1 に連続入力</translation>
    </message>
    <message>
        <source>Filled %1</source>
        <translation>%1 に連続入力しました</translation>
    </message>
    <message>
        <source>channel %1</source>
        <translation>チャンネル %1</translation>
    </message>
    <message>
        <source>channels %1..%2</source>
        <translation>チャンネル %1～%2</translation>
    </message>
    <message>
        <source>Nothing taken: channel %1: %2</source>
        <translation>取り込みませんでした：チャンネル %1：%2</translation>
    </message>
    <message>
        <source>Save as PDF…</source>
        <translation>PDF として保存…</translation>
    </message>
    <message>
        <source>Saves the channel sheet to print: every channel in use and the special memories, one line each</source>
        <translation>印刷用のチャンネル表を保存します。使用中の全チャンネルと特殊メモリーを 1 行ずつ載せます</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>印刷…</translation>
    </message>
    <message>
        <source>Prints the channel sheet: every channel in use and the special memories, one line each</source>
        <translation>チャンネル表を印刷します。使用中の全チャンネルと特殊メモリーを 1 行ずつ載せます</translation>
    </message>
    <message>
        <source>Save the channel sheet as PDF</source>
        <translation>チャンネル表を PDF として保存</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF ファイル (*.pdf)</translation>
    </message>
    <message>
        <source>The channel sheet was not saved: %1</source>
        <translation>チャンネル表は保存されませんでした：%1</translation>
    </message>
    <message>
        <source>Saved the channel sheet (1 page) as %1</source>
        <translation>チャンネル表（1 ページ）を %1 に保存しました</translation>
    </message>
    <message>
        <source>Saved the channel sheet (%1 pages) as %2</source>
        <translation>チャンネル表（%1 ページ）を %2 に保存しました</translation>
    </message>
    <message>
        <source>%1 channel sheet</source>
        <translation>%1 チャンネル表</translation>
    </message>
    <message>
        <source>Print the channel sheet</source>
        <translation>チャンネル表を印刷</translation>
    </message>
    <message>
        <source>Sent the channel sheet (1 page) to the printer</source>
        <translation>チャンネル表（1 ページ）をプリンターに送りました</translation>
    </message>
    <message>
        <source>Sent the channel sheet (%1 pages) to the printer</source>
        <translation>チャンネル表（%1 ページ）をプリンターに送りました</translation>
    </message>
    <message>
        <source>This build cannot print; save the channel sheet as PDF and print that</source>
        <translation>このビルドでは印刷できません。チャンネル表を PDF として保存し、それを印刷してください</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>PDF として保存</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>印刷</translation>
    </message>
    <message>
        <source>Channel actions</source>
        <translation>チャンネル操作</translation>
    </message>
    <message>
        <source>Channel sheet</source>
        <translation>チャンネル表</translation>
    </message>
    <message>
        <source>More tools</source>
        <translation>その他のツール</translation>
    </message>
    <message>
        <source>The tools the window is too narrow to show</source>
        <translation>ウィンドウの幅が足りず表示できないツール</translation>
    </message>
</context>
<context>
    <name>ft817::EditorControls</name>
    <message>
        <source>Channel number</source>
        <translation>チャンネル番号</translation>
    </message>
    <message>
        <source>The memory channel shown, 1 to 200: type one and press Enter</source>
        <translation>表示中のメモリーチャンネル（1～200）。番号を入力して Enter を押します</translation>
    </message>
    <message>
        <source>Next channel</source>
        <translation>次のチャンネル</translation>
    </message>
    <message>
        <source>Previous channel</source>
        <translation>前のチャンネル</translation>
    </message>
    <message>
        <source>The channel is in use</source>
        <translation>チャンネルは使用中です</translation>
    </message>
    <message>
        <source>The channel transmits on its own transmit frequency</source>
        <translation>チャンネル独自の送信周波数で送信します</translation>
    </message>
    <message>
        <source>Selects VFO A</source>
        <translation>VFO A を選びます</translation>
    </message>
    <message>
        <source>Selects VFO B</source>
        <translation>VFO B を選びます</translation>
    </message>
    <message>
        <source>VFO A band</source>
        <translation>VFO A のバンド</translation>
    </message>
    <message>
        <source>The frequencies of VFO A&apos;s bands, in 10 Hz units</source>
        <translation>VFO A の各バンドの周波数（10 Hz 単位）</translation>
    </message>
    <message>
        <source>VFO B band</source>
        <translation>VFO B のバンド</translation>
    </message>
    <message>
        <source>The frequencies of VFO B&apos;s bands, in 10 Hz units</source>
        <translation>VFO B の各バンドの周波数（10 Hz 単位）</translation>
    </message>
    <message>
        <source>Receive frequency, in 10 Hz units</source>
        <translation>受信周波数（10 Hz 単位）</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>モード</translation>
    </message>
    <message>
        <source>Transmit frequency or repeater offset, in 10 Hz units</source>
        <translation>送信周波数またはレピータシフト幅（10 Hz 単位）</translation>
    </message>
    <message>
        <source>Transmit mode</source>
        <translation>送信モード</translation>
    </message>
    <message>
        <source>The channel&apos;s name, up to 8 characters</source>
        <translation>チャンネルの名前（8 文字まで）</translation>
    </message>
    <message>
        <source>Repeater shift</source>
        <translation>レピータシフト</translation>
    </message>
    <message>
        <source>DCS squelch</source>
        <translation>DCS スケルチ</translation>
    </message>
    <message>
        <source>CTCSS tone sent</source>
        <translation>CTCSS トーンを送信</translation>
    </message>
    <message>
        <source>Tag shown</source>
        <translation>タグ表示</translation>
    </message>
    <message>
        <source>The radio shows the channel&apos;s tag</source>
        <translation>無線機にチャンネルのタグを表示します</translation>
    </message>
    <message>
        <source>DCS code number, 0 to 103</source>
        <translation>DCS コード番号（0～103）</translation>
    </message>
    <message>
        <source>CTCSS tone number, 0 to 49</source>
        <translation>CTCSS トーン番号（0～49）</translation>
    </message>
    <message>
        <source>Tone squelch: the tone sent and needed to open</source>
        <translation>トーンスケルチ：トーンを送信し、同じトーンを受信したときだけ開きます</translation>
    </message>
    <message>
        <source>File Done saves to</source>
        <translation>「Done」で保存するファイル</translation>
    </message>
    <message>
        <source>Saves the image to the file named above and goes back</source>
        <translation>イメージを上のファイルに保存して戻ります</translation>
    </message>
    <message>
        <source>Goes back without saving</source>
        <translation>保存せずに戻ります</translation>
    </message>
    <message>
        <source>Channels…</source>
        <translation>チャンネル…</translation>
    </message>
    <message>
        <source>All 200 channels in one list, edited in place, with undo.</source>
        <translation>200 チャンネルすべてを一覧で直接編集できます（元に戻す可）。</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>メニュー設定…</translation>
    </message>
    <message>
        <source>The radio&apos;s menu settings, edited with undo.</source>
        <translation>無線機のメニュー設定を編集します（元に戻す可）。</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>別名で保存</translation>
    </message>
    <message>
        <source>Save as…</source>
        <translation>別名保存…</translation>
    </message>
    <message>
        <source>Choose the file to save to, then save and go back, as Done does.</source>
        <translation>保存先のファイルを選び、「Done」と同じように保存して戻ります。</translation>
    </message>
    <message>
        <source>Shows the next channel; after 200 comes 1</source>
        <translation>次のチャンネルを表示します。200の次は1です</translation>
    </message>
    <message>
        <source>Shows the channel before; before 1 comes 200</source>
        <translation>前のチャンネルを表示します。1の前は200です</translation>
    </message>
    <message>
        <source>Not used: nothing typed here is kept</source>
        <translation>使われません。ここに入力した内容は保持されません</translation>
    </message>
</context>
<context>
    <name>ft817::EditorDisplay</name>
    <message>
        <source>Offset %1%2 MHz</source>
        <translation>シフト幅 %1%2 MHz</translation>
    </message>
    <message>
        <source>, sends on </source>
        <translation>、送信 </translation>
    </message>
    <message>
        <source> — the radio does not tune this</source>
        <translation> — 無線機では設定できません</translation>
    </message>
</context>
<context>
    <name>ft817::EditorHandlers</name>
    <message>
        <source>Tone mode</source>
        <translation>トーン</translation>
    </message>
</context>
<context>
    <name>ft817::EditorWindow</name>
    <message>
        <source>

Nothing was saved and your changes are still here. Put another file name in the box above Done and press Done again, or press Cancel to leave without saving.</source>
        <translation>

何も保存していません。変更はそのまま残っています。「Done」の上の欄に別のファイル名を入れてもう一度「Done」を押すか、「Cancel」を押して保存せずに終了してください。</translation>
    </message>
    <message>
        <source> (unsaved changes)</source>
        <translation>（未保存の変更あり）</translation>
    </message>
</context>
<context>
    <name>ft817::FileChoice</name>
    <message>
        <source>Memory images (*.bin *.img);;All files (*)</source>
        <translation>メモリーイメージ (*.bin *.img);;すべてのファイル (*)</translation>
    </message>
    <message>
        <source>Open a memory image</source>
        <translation>メモリーイメージを開く</translation>
    </message>
    <message>
        <source>Save the memory image as</source>
        <translation>メモリーイメージに名前を付けて保存</translation>
    </message>
</context>
<context>
    <name>ft817::HelpWindow</name>
    <message>
        <source>The help text is missing from this build of ft817clone.</source>
        <translation>この ft817clone にはヘルプが含まれていません。</translation>
    </message>
    <message>
        <source>ft817clone help</source>
        <translation>ft817clone ヘルプ</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>How to use ft817clone</source>
        <translation>ft817clone の使い方</translation>
    </message>
</context>
<context>
    <name>ft817::LanguageMenu</name>
    <message>
        <source>Language</source>
        <translation>言語</translation>
    </message>
    <message>
        <source>The desktop&apos;s language (from the next start)</source>
        <translation>デスクトップの言語（次回の起動から）</translation>
    </message>
</context>
<context>
    <name>ft817::MainWindow</name>
    <message>
        <source>Image file</source>
        <translation>イメージファイル</translation>
    </message>
    <message>
        <source>The image file Download writes, Upload sends and Edit opens</source>
        <translation>「Download」で書き込み、「Upload」で送信し、「Edit」で開くイメージファイル</translation>
    </message>
    <message>
        <source>Receives the radio&apos;s memory into the image file; starts when it gets the focus</source>
        <translation>無線機のメモリーをイメージファイルに受信します。フォーカスを受けると始まります</translation>
    </message>
    <message>
        <source>Sends the image file to the radio; starts when it gets the focus</source>
        <translation>イメージファイルを無線機に送信します。フォーカスを受けると始まります</translation>
    </message>
    <message>
        <source>Opens the image file in the editor</source>
        <translation>イメージファイルをエディターで開きます</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>状態</translation>
    </message>
    <message>
        <source>How the last transfer went</source>
        <translation>前回の転送の結果</translation>
    </message>
    <message>
        <source>CAT control</source>
        <translation>CAT 制御</translation>
    </message>
    <message>
        <source>Opens the CAT control window: press Enter or Space</source>
        <translation>CAT 制御ウィンドウを開きます：Enter かスペースを押します</translation>
    </message>
    <message>
        <source>Fast transfers</source>
        <translation>高速転送</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>Port %1 (no radio heard yet)</source>
        <translation>ポート %1（無線機の応答はまだありません）</translation>
    </message>
    <message>
        <source>Port %1: %2</source>
        <translation>ポート %1：%2</translation>
    </message>
    <message>
        <source>Waiting for the radio: switch it on while holding both MODE keys (clone mode), then press its A key to send.</source>
        <translation>無線機を待っています：両方の MODE キーを押しながら電源を入れ（クローンモード）、A キーを押して送信してください。</translation>
    </message>
    <message>
        <source>The radio must already wait in clone-receive: in clone mode, its C key pressed before Upload was clicked.</source>
        <translation>無線機はすでにクローン受信で待っている必要があります：クローンモードで C キーを押してから「Upload」をクリックしてください。</translation>
    </message>
    <message>
        <source>%1 blocks (%2 bytes)</source>
        <translation>%1 ブロック（%2 バイト）</translation>
    </message>
    <message>
        <source>the radio</source>
        <translation>無線機</translation>
    </message>
    <message>
        <source>Downloaded %1 from the %2 into %3.</source>
        <translation>%2 から %1 を %3 に受信しました。</translation>
    </message>
    <message>
        <source>Uploaded %1 of %2 to the %3.</source>
        <translation>%2 の %1 を %3 に送信しました。</translation>
    </message>
    <message>
        <source>Not a whole memory: </source>
        <translation>メモリー全体ではありません：</translation>
    </message>
    <message>
        <source>Warning: </source>
        <translation>警告：</translation>
    </message>
    <message>
        <source>Back up calibration…</source>
        <translation>校正データのバックアップ…</translation>
    </message>
    <message>
        <source>This image has damaged blocks: %1. Saving edits gives them fresh checksums, so the damage would no longer show. Edit it anyway?</source>
        <translation>このイメージには壊れたブロックがあります：%1。編集して保存するとチェックサムが付け直され、壊れていることがわからなくなります。それでも編集しますか？</translation>
    </message>
    <message>
        <source>Not opened: </source>
        <translation>開きませんでした：</translation>
    </message>
    <message>
        <source>This image is not a whole FT-817 memory: %1.</source>
        <translation>このイメージは FT-817 のメモリー全体ではありません：%1。</translation>
    </message>
    <message>
        <source>not a whole FT-817 memory: %1</source>
        <translation>FT-817 のメモリー全体ではありません：%1</translation>
    </message>
    <message>
        <source>the radio cannot tune the frequency of 1 memory in use</source>
        <translation>無線機が周波数を合わせられない使用中のメモリーが 1 件あります</translation>
    </message>
    <message>
        <source>the radio cannot tune the frequency of %1 memories in use</source>
        <translation>無線機が周波数を合わせられない使用中のメモリーが %1 件あります</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>ほか %1 件</translation>
    </message>
    <message>
        <source>Send it anyway?</source>
        <translation>それでも送信しますか？</translation>
    </message>
    <message>
        <source>Not sent: %1</source>
        <translation>送信しませんでした：%1</translation>
    </message>
    <message>
        <source>Open…</source>
        <translation>開く…</translation>
    </message>
    <message>
        <source>Save as…</source>
        <translation>名前を付けて保存…</translation>
    </message>
    <message>
        <source>The editor still holds changes you left with Cancel; they are not saved in any file. Edit opens the file afresh and they are lost.</source>
        <translation>エディターには「Cancel」で離れた変更がまだ残っています。どのファイルにも保存されていません。「Edit」はファイルを開き直すため、それらの変更は失われます。</translation>
    </message>
    <message>
        <source>Keep editing goes back to them; Done there saves them.</source>
        <translation>「編集を続ける」でそれらの変更に戻ります。そこで「Done」を押すと保存されます。</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>破棄</translation>
    </message>
    <message>
        <source>Keep editing</source>
        <translation>編集を続ける</translation>
    </message>
</context>
<context>
    <name>ft817::MemoryTableModel</name>
    <message>
        <source>Channel %1</source>
        <translation>チャンネル %1</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>モード</translation>
    </message>
    <message>
        <source>Step kHz</source>
        <translation>ステップ kHz</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>シフト</translation>
    </message>
    <message>
        <source>Offset / TX MHz</source>
        <translation>シフト幅 / 送信 MHz</translation>
    </message>
    <message>
        <source>TX mode</source>
        <translation>送信モード</translation>
    </message>
    <message>
        <source>Tone mode</source>
        <translation>トーン</translation>
    </message>
    <message>
        <source>Tone Hz</source>
        <translation>トーン Hz</translation>
    </message>
    <message>
        <source>DCS code</source>
        <translation>DCS コード</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>スキップ</translation>
    </message>
    <message>
        <source>Tag shown</source>
        <translation>タグ表示</translation>
    </message>
    <message>
        <source>Tag text</source>
        <translation>タグ</translation>
    </message>
    <message>
        <source>The repeater offset for a minus or plus shift, the transmit frequency for split</source>
        <translation>マイナス／プラスシフトではシフト幅、スプリットでは送信周波数</translation>
    </message>
    <message>
        <source>The tuning step of the channel&apos;s mode: the record keeps one for SSB/CW/DIG/PKT, one for AM and one for FM</source>
        <translation>チャンネルのモードのチャンネルステップ。SSB/CW/DIG/PKT 用、AM 用、FM 用の 3 つを記憶しています</translation>
    </message>
    <message>
        <source>IPO: the receiver&apos;s preamp off</source>
        <translation>IPO：受信プリアンプをオフ</translation>
    </message>
    <message>
        <source>ATT: the attenuator on</source>
        <translation>ATT：アッテネーターをオン</translation>
    </message>
    <message>
        <source>channel %1</source>
        <translation>チャンネル %1</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%2 の%1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not one of the radio&apos;s %2 tones (67.0 to 254.1 Hz)</source>
        <translation>「%1」は無線機の %2 種類のトーン（67.0～254.1 Hz）にありません</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not one of the radio&apos;s %2 DCS codes (023 to 754)</source>
        <translation>「%1」は無線機の %2 種類の DCS コード（023～754）にありません</translation>
    </message>
    <message>
        <source>a tag holds at most 8 characters</source>
        <translation>タグは 8 文字までです</translation>
    </message>
    <message>
        <source>a tag holds Latin-1 characters only</source>
        <translation>タグに使えるのは Latin-1 の文字だけです</translation>
    </message>
    <message>
        <source>no such entry</source>
        <translation>その項目はありません</translation>
    </message>
    <message>
        <source>this cell cannot be changed</source>
        <translation>このセルは変更できません</translation>
    </message>
</context>
<context>
    <name>ft817::PortMenu</name>
    <message>
        <source>Serial port</source>
        <translation>シリアルポート</translation>
    </message>
    <message>
        <source>  (in use)</source>
        <translation>  （使用中）</translation>
    </message>
    <message>
        <source>No serial port found</source>
        <translation>シリアルポートが見つかりません</translation>
    </message>
</context>
<context>
    <name>ft817::RadioSettingsWindow</name>
    <message>
        <source>Radio settings</source>
        <translation>無線機の設定</translation>
    </message>
    <message>
        <source>%1 settings</source>
        <translation>%1 の設定</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>元に戻す</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>やり直し</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>元に戻す：%1</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>やり直し：%1</translation>
    </message>
    <message>
        <source>Setting groups</source>
        <translation>設定グループ</translation>
    </message>
    <message>
        <source>Ctrl+Tab shows the next group</source>
        <translation>Ctrl+Tab で次のグループを表示します</translation>
    </message>
    <message>
        <source>%1: %2 settings</source>
        <translation>%1：%2 項目の設定</translation>
    </message>
    <message>
        <source>Unknown layout</source>
        <translation>不明なレイアウト</translation>
    </message>
    <message>
        <source> (out of range)</source>
        <translation>（範囲外）</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1～%2</translation>
    </message>
    <message>
        <source>The image holds %1, which the radio does not use; it stays until you choose another value.</source>
        <translation>イメージには無線機が使わない値 %1 が入っています。別の値を選ぶまでそのまま残ります。</translation>
    </message>
    <message>
        <source>Set %1 to %2</source>
        <translation>%1 を %2 に設定</translation>
    </message>
    <message>
        <source>Menu %1.</source>
        <translation>メニュー %1。</translation>
    </message>
    <message>
        <source>The ID callsign takes %1; %2. It is stored when the radio can show it.</source>
        <translation>ID コールサインに使えるのは %1 です。%2。無線機で表示できる内容になったときに保存します。</translation>
    </message>
</context>
<context>
    <name>ft817::SpecialTableModel</name>
    <message>
        <source>Memory</source>
        <translation>メモリー</translation>
    </message>
    <message>
        <source>In use</source>
        <translation>使用中</translation>
    </message>
</context>
</TS>
