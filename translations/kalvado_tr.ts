<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr">
<context>
    <name>Board</name>
    <message>
        <source>Place disc</source>
        <translation>Taş koy</translation>
    </message>
    <message>
        <source>Places your disc on this cell</source>
        <translation>Taşını bu kareye koyar</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Oyun tahtası</translation>
    </message>
    <message>
        <source>Arrow keys move the cell cursor; Space or Return places a disc there. F2 starts a new game, Alt+P passes.</source>
        <extracomment>The keys named here are the window&apos;s own: Alt+P is the Pass button&apos;s mnemonic in this language.</extracomment>
        <translation>Ok tuşları kare imlecini taşır; Boşluk veya Enter tuşu oraya taş koyar. F2 yeni oyun başlatır, Alt+P pas geçer.</translation>
    </message>
    <message>
        <source>%1, black</source>
        <translation>%1, siyah taş</translation>
    </message>
    <message>
        <source>%1, white</source>
        <translation>%1, beyaz taş</translation>
    </message>
    <message>
        <source>%1, empty</source>
        <translation>%1, boş</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>No source skin, default is use, you can&apos;t change skin.</source>
        <translation>Kaynak görünüm yok, varsayılan kullanıyor, görünüm değiştiremezsin.</translation>
    </message>
    <message>
        <source>No skin source</source>
        <translation>Görünüm kaynak yok</translation>
    </message>
    <message>
        <source>New game! You go first?</source>
        <translation>Yeni oyun! Sen mi başlıyorsun?</translation>
    </message>
    <message>
        <source>Already occupied!</source>
        <translation>Bu kare dolu!</translation>
    </message>
    <message>
        <source>Invalid position!</source>
        <translation>Buraya taş konmaz!</translation>
    </message>
    <message>
        <source>Oop!!!</source>
        <extracomment>Title of the boxes that refuse a placement: a startled, childlike cry.</extracomment>
        <translation>Hoppala!!!</translation>
    </message>
    <message>
        <source>You should start a game first! Press F2 to start a new game!</source>
        <translation>Önce bir oyun başlatmalısın! Yeni oyun için F2’ye bas!</translation>
    </message>
    <message>
        <source>No game define!</source>
        <extracomment>Box title, in the game&apos;s clumsy tone (for &quot;No game is defined!&quot;).</extracomment>
        <translation>Oyun tanım yok!</translation>
    </message>
    <message>
        <source>you lost</source>
        <translation>kaybettin</translation>
    </message>
    <message>
        <source>you win</source>
        <translation>kazandın</translation>
    </message>
    <message>
        <source>i have no road to go, now is your turn!</source>
        <extracomment>The computer speaking, lower case and clumsy on purpose: keep that tone.</extracomment>
        <translation>benim gidecek yolum yok, şimdi sıra senin!</translation>
    </message>
    <message>
        <source>you have no road to go, press &apos;Pass&apos;!</source>
        <extracomment>&apos;Pass&apos; is the button&apos;s name without its mnemonic: use the translated name.</extracomment>
        <translation>gidecek yerin yok, “Pas” düğmesine bas!</translation>
    </message>
    <message>
        <source>you lost!</source>
        <translation>kaybettin!</translation>
    </message>
    <message>
        <source>you win!</source>
        <translation>kazandın!</translation>
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
        <translation>Tamam</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <extracomment>A message box&apos;s button; the letter after &amp; is its Alt key.</extracomment>
        <translation>&amp;Evet</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <extracomment>A message box&apos;s button; the letter after &amp; is its Alt key.</extracomment>
        <translation>&amp;Hayır</translation>
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
        <translation>Yeni oyun: siyahla oynuyorsun.</translation>
    </message>
    <message>
        <source>New game: you play white.</source>
        <translation>Yeni oyun: beyazla oynuyorsun.</translation>
    </message>
    <message numerus="yes">
        <source>You played %1 and turned %n.</source>
        <translation>
            <numerusform>%1 karesine oynadın ve %n taş çevirdin.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Computer played %1 and turned %n.</source>
        <translation>
            <numerusform>Bilgisayar %1 karesine oynadı ve %n taş çevirdi.</numerusform>
        </translation>
    </message>
    <message>
        <source>You %1, computer %2.</source>
        <translation>Sen %1, bilgisayar %2.</translation>
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
        <translation>Pennalt (Siyah ve beyaz)</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Hakkında</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Bilgi</translation>
    </message>
    <message>
        <source>Coord.</source>
        <translation>Koord.</translation>
    </message>
    <message>
        <source>Mouse Pointer X:</source>
        <translation>Fare imleci X:</translation>
    </message>
    <message>
        <source>Mouse Pointer Y:</source>
        <translation>Fare imleci Y:</translation>
    </message>
    <message>
        <source>Cursor</source>
        <translation>İmleç</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Skor</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Çıkış</translation>
    </message>
    <message>
        <source>&amp;Pass</source>
        <translation>&amp;Pas</translation>
    </message>
    <message>
        <source>Game(&amp;G)</source>
        <translation>&amp;Oyun</translation>
    </message>
    <message>
        <source>Option(&amp;O)</source>
        <translation>&amp;Seçenekler</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Yeni oyun</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Çıkış</translation>
    </message>
    <message>
        <source>Default *</source>
        <extracomment>The * marks the skin in use: keep it, after a space.</extracomment>
        <translation>Varsayılan *</translation>
    </message>
    <message>
        <source>Light Wood</source>
        <translation>Açık ahşap</translation>
    </message>
    <message>
        <source>Light Wood2</source>
        <translation>Açık ahşap2</translation>
    </message>
    <message>
        <source>Pointer X, pixels</source>
        <translation>İmleç X, piksel</translation>
    </message>
    <message>
        <source>Pointer Y, pixels</source>
        <translation>İmleç Y, piksel</translation>
    </message>
    <message>
        <source>Pointer column</source>
        <translation>İmlecin altındaki sütun</translation>
    </message>
    <message>
        <source>Pointer row</source>
        <translation>İmlecin altındaki satır</translation>
    </message>
    <message>
        <source>Player total:%1</source>
        <extracomment>%1 is the human&apos;s total in two digits, right after the colon.</extracomment>
        <translation>Oyuncu:%1</translation>
    </message>
    <message>
        <source>Computer total:%1</source>
        <extracomment>%1 is the computer&apos;s total in two digits, right after the colon.</extracomment>
        <translation>Bilgisayar:%1</translation>
    </message>
    <message>
        <source>Pennalt (Black and White), made by the Kalvado team: outflank, flip and outnumber the computer.</source>
        <translation>Pennalt (Siyah ve beyaz), Kalvado ekibinin eseri: kuşat, çevir ve bilgisayara sayıca üstün gel.</translation>
    </message>
    <message>
        <source>About Pennalt</source>
        <translation>Pennalt hakkında</translation>
    </message>
    <message>
        <source>Exit game?</source>
        <translation>Oyundan çıkmak istiyor musun?</translation>
    </message>
</context>
</TS>
