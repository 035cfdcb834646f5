<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="id">
<context>
    <name>Board</name>
    <message>
        <source>Place disc</source>
        <translation>Taruh keping</translation>
    </message>
    <message>
        <source>Places your disc on this cell</source>
        <translation>Menaruh kepingmu di petak ini</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Papan</translation>
    </message>
    <message>
        <source>Arrow keys move the cell cursor; Space or Return places a disc there. F2 starts a new game, Alt+P passes.</source>
        <extracomment>The keys named here are the window&apos;s own: Alt+P is the Pass button&apos;s mnemonic in this language.</extracomment>
        <translation>Tombol panah memindahkan kursor antarpetak; Spasi atau Enter menaruh keping di sana. F2 memulai permainan baru, Alt+L melewati giliran.</translation>
    </message>
    <message>
        <source>%1, black</source>
        <translation>%1, keping hitam</translation>
    </message>
    <message>
        <source>%1, white</source>
        <translation>%1, keping putih</translation>
    </message>
    <message>
        <source>%1, empty</source>
        <translation>%1, kosong</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>No source skin, default is use, you can&apos;t change skin.</source>
        <translation>Tidak ada tema sumber, bawaan adalah dipakai, kamu tidak bisa ganti tema.</translation>
    </message>
    <message>
        <source>No skin source</source>
        <translation>Tak ada sumber tema</translation>
    </message>
    <message>
        <source>New game! You go first?</source>
        <translation>Permainan baru! Kamu jalan duluan?</translation>
    </message>
    <message>
        <source>Already occupied!</source>
        <translation>Petak ini sudah terisi!</translation>
    </message>
    <message>
        <source>Invalid position!</source>
        <translation>Posisi tidak sah!</translation>
    </message>
    <message>
        <source>Oop!!!</source>
        <extracomment>Title of the boxes that refuse a placement: a startled, childlike cry.</extracomment>
        <translation>Ups!!!</translation>
    </message>
    <message>
        <source>You should start a game first! Press F2 to start a new game!</source>
        <translation>Mulai permainan dulu! Tekan F2 untuk memulai permainan baru!</translation>
    </message>
    <message>
        <source>No game define!</source>
        <extracomment>Box title, in the game&apos;s clumsy tone (for &quot;No game is defined!&quot;).</extracomment>
        <translation>Tidak ada permainan didefinisi!</translation>
    </message>
    <message>
        <source>you lost</source>
        <translation>kamu kalah</translation>
    </message>
    <message>
        <source>you win</source>
        <translation>kamu menang</translation>
    </message>
    <message>
        <source>i have no road to go, now is your turn!</source>
        <extracomment>The computer speaking, lower case and clumsy on purpose: keep that tone.</extracomment>
        <translation>aku tidak punya jalan untuk pergi, sekarang adalah giliranmu!</translation>
    </message>
    <message>
        <source>you have no road to go, press &apos;Pass&apos;!</source>
        <extracomment>&apos;Pass&apos; is the button&apos;s name without its mnemonic: use the translated name.</extracomment>
        <translation>kamu tidak bisa menaruh keping di mana pun, tekan “Lewati”!</translation>
    </message>
    <message>
        <source>you lost!</source>
        <translation>kamu kalah!</translation>
    </message>
    <message>
        <source>you win!</source>
        <translation>kamu menang!</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <extracomment>The direction this language is written in: LTR or RTL, in these Latin letters.</extracomment>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <extracomment>A message box&apos;s button.</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <extracomment>A message box&apos;s button; the letter after &amp; is its Alt key.</extracomment>
        <translation>&amp;Ya</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <extracomment>A message box&apos;s button; the letter after &amp; is its Alt key.</extracomment>
        <translation>&amp;Tidak</translation>
    </message>
</context>
<context>
    <name>QShortcut</name>
    <message>
        <source>Ctrl</source>
        <extracomment>The Control key as a menu writes it in a shortcut (Ctrl+F4).</extracomment>
        <translation>Ctrl</translation>
    </message>
</context>
<context>
    <name>Summary</name>
    <message>
        <source>New game: you play black.</source>
        <translation>Permainan baru: kamu memegang keping hitam.</translation>
    </message>
    <message>
        <source>New game: you play white.</source>
        <translation>Permainan baru: kamu memegang keping putih.</translation>
    </message>
    <message numerus="yes">
        <source>You played %1 and turned %n.</source>
        <translation>
            <numerusform>Kamu menaruh keping di %1 dan membalik %n keping.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Computer played %1 and turned %n.</source>
        <translation>
            <numerusform>Komputer menaruh keping di %1 dan membalik %n keping.</numerusform>
        </translation>
    </message>
    <message>
        <source>You %1, computer %2.</source>
        <translation>Kamu %1, komputer %2.</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>How two sentences of the summary follow each other: a space where the language puts one.</extracomment>
        <translation>%1 %2</translation>
    </message>
</context>
<context>
    <name>frmGame</name>
    <message>
        <source>Pennalt (Black and White)</source>
        <translation>Pennalt (Hitam putih)</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Tentang</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informasi</translation>
    </message>
    <message>
        <source>Coord.</source>
        <translation>Koord.</translation>
    </message>
    <message>
        <source>Mouse Pointer X:</source>
        <translation>Penunjuk mouse X:</translation>
    </message>
    <message>
        <source>Mouse Pointer Y:</source>
        <translation>Penunjuk mouse Y:</translation>
    </message>
    <message>
        <source>Cursor</source>
        <translation>Kursor</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Skor</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Keluar</translation>
    </message>
    <message>
        <source>&amp;Pass</source>
        <translation>&amp;Lewati</translation>
    </message>
    <message>
        <source>Game(&amp;G)</source>
        <translation>&amp;Permainan</translation>
    </message>
    <message>
        <source>Option(&amp;O)</source>
        <translation>&amp;Opsi</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Permainan baru</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Keluar</translation>
    </message>
    <message>
        <source>Default *</source>
        <extracomment>The * marks the skin in use: keep it, after a space.</extracomment>
        <translation>Bawaan *</translation>
    </message>
    <message>
        <source>Light Wood</source>
        <translation>Kayu terang</translation>
    </message>
    <message>
        <source>Light Wood2</source>
        <translation>Kayu terang2</translation>
    </message>
    <message>
        <source>Pointer X, pixels</source>
        <translation>Penunjuk X, piksel</translation>
    </message>
    <message>
        <source>Pointer Y, pixels</source>
        <translation>Penunjuk Y, piksel</translation>
    </message>
    <message>
        <source>Pointer column</source>
        <translation>Kolom di bawah penunjuk</translation>
    </message>
    <message>
        <source>Pointer row</source>
        <translation>Baris di bawah penunjuk</translation>
    </message>
    <message>
        <source>Player total:%1</source>
        <extracomment>%1 is the human&apos;s total in two digits, right after the colon.</extracomment>
        <translation>Total pemain:%1</translation>
    </message>
    <message>
        <source>Computer total:%1</source>
        <extracomment>%1 is the computer&apos;s total in two digits, right after the colon.</extracomment>
        <translation>Total komputer:%1</translation>
    </message>
    <message>
        <source>Pennalt (Black and White), made by the Kalvado team: outflank, flip and outnumber the computer.</source>
        <translation>Pennalt (Hitam putih), dibuat oleh tim Kalvado: kepung, balik, dan ungguli komputer dalam jumlah keping.</translation>
    </message>
    <message>
        <source>About Pennalt</source>
        <translation>Tentang Pennalt</translation>
    </message>
    <message>
        <source>Exit game?</source>
        <translation>Keluar dari permainan?</translation>
    </message>
</context>
</TS>
