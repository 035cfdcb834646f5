<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fa">
<context>
    <name>Board</name>
    <message>
        <source>Place disc</source>
        <translation>گذاشتن مهره</translation>
    </message>
    <message>
        <source>Places your disc on this cell</source>
        <translation>مهره‌ات را در این خانه می‌گذارد</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>صفحهٔ بازی</translation>
    </message>
    <message>
        <source>Arrow keys move the cell cursor; Space or Return places a disc there. F2 starts a new game, Alt+P passes.</source>
        <extracomment>The keys named here are the window&apos;s own: Alt+P is the Pass button&apos;s mnemonic in this language.</extracomment>
        <translation>کلیدهای جهت‌نما مکان‌نما را روی خانه‌ها جابه‌جا می‌کنند؛ کلید فاصله یا Enter مهره‌ای در آن خانه می‌گذارد. F2 بازی تازه‌ای شروع می‌کند و با Alt+پ پاس می‌دهی.</translation>
    </message>
    <message>
        <source>%1, black</source>
        <translation>%1، مهرهٔ سیاه</translation>
    </message>
    <message>
        <source>%1, white</source>
        <translation>%1، مهرهٔ سفید</translation>
    </message>
    <message>
        <source>%1, empty</source>
        <translation>%1، خانهٔ خالی</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>No source skin, default is use, you can&apos;t change skin.</source>
        <translation>منبع پوسته نیست، پیش‌فرض استفاده است، نمی‌توانی پوسته عوض کنی.</translation>
    </message>
    <message>
        <source>No skin source</source>
        <translation>منبع پوسته نیست</translation>
    </message>
    <message>
        <source>New game! You go first?</source>
        <translation>بازی تازه! اول تو شروع می‌کنی؟</translation>
    </message>
    <message>
        <source>Already occupied!</source>
        <translation>این خانه پر است!</translation>
    </message>
    <message>
        <source>Invalid position!</source>
        <translation>حرکت غیرمجاز!</translation>
    </message>
    <message>
        <source>Oop!!!</source>
        <extracomment>Title of the boxes that refuse a placement: a startled, childlike cry.</extracomment>
        <translation>وای!!!</translation>
    </message>
    <message>
        <source>You should start a game first! Press F2 to start a new game!</source>
        <translation>اول باید یک بازی شروع کنی! برای بازی تازه F2 را بزن!</translation>
    </message>
    <message>
        <source>No game define!</source>
        <extracomment>Box title, in the game&apos;s clumsy tone (for &quot;No game is defined!&quot;).</extracomment>
        <translation>بازی تعریف نیست!</translation>
    </message>
    <message>
        <source>you lost</source>
        <translation>باختی</translation>
    </message>
    <message>
        <source>you win</source>
        <translation>بردی</translation>
    </message>
    <message>
        <source>i have no road to go, now is your turn!</source>
        <extracomment>The computer speaking, lower case and clumsy on purpose: keep that tone.</extracomment>
        <translation>من راهی برای رفتن ندارم، حالا نوبت تو هست!</translation>
    </message>
    <message>
        <source>you have no road to go, press &apos;Pass&apos;!</source>
        <extracomment>&apos;Pass&apos; is the button&apos;s name without its mnemonic: use the translated name.</extracomment>
        <translation>هیچ حرکتی نداری، «پاس» را بزن!</translation>
    </message>
    <message>
        <source>you lost!</source>
        <translation>باختی!</translation>
    </message>
    <message>
        <source>you win!</source>
        <translation>بردی!</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <extracomment>The direction this language is written in: LTR or RTL, in these Latin letters.</extracomment>
        <translation>RTL</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <extracomment>A message box&apos;s button.</extracomment>
        <translation>تأیید</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <extracomment>A message box&apos;s button; the letter after &amp; is its Alt key.</extracomment>
        <translation>&amp;بله</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <extracomment>A message box&apos;s button; the letter after &amp; is its Alt key.</extracomment>
        <translation>&amp;نه</translation>
    </message>
</context>
<context>
    <name>QShortcut</name>
    <message>
        <source>Ctrl</source>
        <extracomment>The Control key as a menu writes it in a shortcut (Ctrl+F4).</extracomment>
        <translation>کنترل</translation>
    </message>
</context>
<context>
    <name>Summary</name>
    <message>
        <source>New game: you play black.</source>
        <translation>بازی تازه: تو با سیاه بازی می‌کنی.</translation>
    </message>
    <message>
        <source>New game: you play white.</source>
        <translation>بازی تازه: تو با سفید بازی می‌کنی.</translation>
    </message>
    <message numerus="yes">
        <source>You played %1 and turned %n.</source>
        <translation>
            <numerusform>تو در %1 مهره گذاشتی و %n مهره برگرداندی.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Computer played %1 and turned %n.</source>
        <translation>
            <numerusform>رایانه در %1 مهره گذاشت و %n مهره برگرداند.</numerusform>
        </translation>
    </message>
    <message>
        <source>You %1, computer %2.</source>
        <translation>تو %1، رایانه %2.</translation>
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
        <translation>Pennalt (سیاه و سفید)</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;درباره</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>اطلاعات</translation>
    </message>
    <message>
        <source>Coord.</source>
        <translation>خانه</translation>
    </message>
    <message>
        <source>Mouse Pointer X:</source>
        <translation>نشانگر ماوس X:</translation>
    </message>
    <message>
        <source>Mouse Pointer Y:</source>
        <translation>نشانگر ماوس Y:</translation>
    </message>
    <message>
        <source>Cursor</source>
        <translation>نشانگر</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>امتیاز</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;خروج</translation>
    </message>
    <message>
        <source>&amp;Pass</source>
        <translation>&amp;پاس</translation>
    </message>
    <message>
        <source>Game(&amp;G)</source>
        <translation>&amp;بازی</translation>
    </message>
    <message>
        <source>Option(&amp;O)</source>
        <translation>&amp;گزینه‌ها</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>بازی تازه</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;خروج</translation>
    </message>
    <message>
        <source>Default *</source>
        <extracomment>The * marks the skin in use: keep it, after a space.</extracomment>
        <translation>پیش‌فرض *</translation>
    </message>
    <message>
        <source>Light Wood</source>
        <translation>چوب روشن</translation>
    </message>
    <message>
        <source>Light Wood2</source>
        <translation>چوب روشن 2</translation>
    </message>
    <message>
        <source>Pointer X, pixels</source>
        <translation>نشانگر X، به پیکسل</translation>
    </message>
    <message>
        <source>Pointer Y, pixels</source>
        <translation>نشانگر Y، به پیکسل</translation>
    </message>
    <message>
        <source>Pointer column</source>
        <translation>ستون نشانگر</translation>
    </message>
    <message>
        <source>Pointer row</source>
        <translation>ردیف نشانگر</translation>
    </message>
    <message>
        <source>Player total:%1</source>
        <extracomment>%1 is the human&apos;s total in two digits, right after the colon.</extracomment>
        <translation>مجموع بازیکن:%1</translation>
    </message>
    <message>
        <source>Computer total:%1</source>
        <extracomment>%1 is the computer&apos;s total in two digits, right after the colon.</extracomment>
        <translation>مجموع رایانه:%1</translation>
    </message>
    <message>
        <source>Pennalt (Black and White), made by the Kalvado team: outflank, flip and outnumber the computer.</source>
        <translation>Pennalt (سیاه و سفید)، ساختهٔ تیم Kalvado: مهره‌های رایانه را محاصره کن، برگردان و در شمار مهره‌ها از آن پیش بیفت.</translation>
    </message>
    <message>
        <source>About Pennalt</source>
        <translation>دربارهٔ Pennalt</translation>
    </message>
    <message>
        <source>Exit game?</source>
        <translation>از بازی خارج می‌شوی؟</translation>
    </message>
</context>
</TS>
