<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
<context>
    <name>Board</name>
    <message>
        <source>Place disc</source>
        <translation>وضع قرص</translation>
    </message>
    <message>
        <source>Places your disc on this cell</source>
        <translation>يضع قرصك في هذه الخانة</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>الرقعة</translation>
    </message>
    <message>
        <source>Arrow keys move the cell cursor; Space or Return places a disc there. F2 starts a new game, Alt+P passes.</source>
        <extracomment>The keys named here are the window&apos;s own: Alt+P is the Pass button&apos;s mnemonic in this language.</extracomment>
        <translation>تحرّك مفاتيح الأسهم مؤشر الخانة، ويضع مفتاح المسافة أو الإدخال قرصًا فيها. F2 لبدء لعبة جديدة، وAlt+ت لتخطي الدور.</translation>
    </message>
    <message>
        <source>%1, black</source>
        <translation>%1، قرص أسود</translation>
    </message>
    <message>
        <source>%1, white</source>
        <translation>%1، قرص أبيض</translation>
    </message>
    <message>
        <source>%1, empty</source>
        <translation>%1، خانة فارغة</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>No source skin, default is use, you can&apos;t change skin.</source>
        <translation>لا مصدر مظهر، الافتراضي هو مستعمل، لا يمكنك تغيير مظهر.</translation>
    </message>
    <message>
        <source>No skin source</source>
        <translation>لا مصدر مظهر</translation>
    </message>
    <message>
        <source>New game! You go first?</source>
        <translation>لعبة جديدة! هل الحركة الأولى لك؟</translation>
    </message>
    <message>
        <source>Already occupied!</source>
        <translation>الخانة مشغولة!</translation>
    </message>
    <message>
        <source>Invalid position!</source>
        <translation>موضع غير صالح!</translation>
    </message>
    <message>
        <source>Oop!!!</source>
        <extracomment>Title of the boxes that refuse a placement: a startled, childlike cry.</extracomment>
        <translation>أوه!!!</translation>
    </message>
    <message>
        <source>You should start a game first! Press F2 to start a new game!</source>
        <translation>يجب بدء لعبة أولًا! المفتاح F2 يبدأ لعبة جديدة!</translation>
    </message>
    <message>
        <source>No game define!</source>
        <extracomment>Box title, in the game&apos;s clumsy tone (for &quot;No game is defined!&quot;).</extracomment>
        <translation>لا لعبة معرّف!</translation>
    </message>
    <message>
        <source>you lost</source>
        <translation>خسارة</translation>
    </message>
    <message>
        <source>you win</source>
        <translation>فوز</translation>
    </message>
    <message>
        <source>i have no road to go, now is your turn!</source>
        <extracomment>The computer speaking, lower case and clumsy on purpose: keep that tone.</extracomment>
        <translation>ليس عندي طريق لأذهب، الآن هو دورك!</translation>
    </message>
    <message>
        <source>you have no road to go, press &apos;Pass&apos;!</source>
        <extracomment>&apos;Pass&apos; is the button&apos;s name without its mnemonic: use the translated name.</extracomment>
        <translation>لا حركة متاحة لك، عليك الضغط على «تخطي»!</translation>
    </message>
    <message>
        <source>you lost!</source>
        <translation>انتهت اللعبة بخسارتك!</translation>
    </message>
    <message>
        <source>you win!</source>
        <translation>انتهت اللعبة بفوزك!</translation>
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
        <translation>حسنًا</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <extracomment>A message box&apos;s button; the letter after &amp; is its Alt key.</extracomment>
        <translation>&amp;نعم</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <extracomment>A message box&apos;s button; the letter after &amp; is its Alt key.</extracomment>
        <translation>&amp;لا</translation>
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
        <translation>لعبة جديدة: أقراصك سوداء.</translation>
    </message>
    <message>
        <source>New game: you play white.</source>
        <translation>لعبة جديدة: أقراصك بيضاء.</translation>
    </message>
    <message numerus="yes">
        <source>You played %1 and turned %n.</source>
        <translation>
            <numerusform>حركتك في %1 قلبت %n من أقراص الحاسوب.</numerusform>
            <numerusform>حركتك في %1 قلبت %n من أقراص الحاسوب.</numerusform>
            <numerusform>حركتك في %1 قلبت %n من أقراص الحاسوب.</numerusform>
            <numerusform>حركتك في %1 قلبت %n من أقراص الحاسوب.</numerusform>
            <numerusform>حركتك في %1 قلبت %n من أقراص الحاسوب.</numerusform>
            <numerusform>حركتك في %1 قلبت %n من أقراص الحاسوب.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Computer played %1 and turned %n.</source>
        <translation>
            <numerusform>حركة الحاسوب في %1 قلبت %n من أقراصك.</numerusform>
            <numerusform>حركة الحاسوب في %1 قلبت %n من أقراصك.</numerusform>
            <numerusform>حركة الحاسوب في %1 قلبت %n من أقراصك.</numerusform>
            <numerusform>حركة الحاسوب في %1 قلبت %n من أقراصك.</numerusform>
            <numerusform>حركة الحاسوب في %1 قلبت %n من أقراصك.</numerusform>
            <numerusform>حركة الحاسوب في %1 قلبت %n من أقراصك.</numerusform>
        </translation>
    </message>
    <message>
        <source>You %1, computer %2.</source>
        <translation>النتيجة: لك %1، وللحاسوب %2.</translation>
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
        <translation>Pennalt (أبيض وأسود)</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;حول</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>معلومات</translation>
    </message>
    <message>
        <source>Coord.</source>
        <translation>الخانة</translation>
    </message>
    <message>
        <source>Mouse Pointer X:</source>
        <translation>مؤشر الفأرة س:</translation>
    </message>
    <message>
        <source>Mouse Pointer Y:</source>
        <translation>مؤشر الفأرة ص:</translation>
    </message>
    <message>
        <source>Cursor</source>
        <translation>المؤشر</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>النتيجة</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;خروج</translation>
    </message>
    <message>
        <source>&amp;Pass</source>
        <translation>&amp;تخطي</translation>
    </message>
    <message>
        <source>Game(&amp;G)</source>
        <translation>&amp;لعبة</translation>
    </message>
    <message>
        <source>Option(&amp;O)</source>
        <translation>إ&amp;عدادات</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>لعبة جديدة</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;خروج</translation>
    </message>
    <message>
        <source>Default *</source>
        <extracomment>The * marks the skin in use: keep it, after a space.</extracomment>
        <translation>افتراضي *</translation>
    </message>
    <message>
        <source>Light Wood</source>
        <translation>خشب فاتح</translation>
    </message>
    <message>
        <source>Light Wood2</source>
        <translation>خشب فاتح 2</translation>
    </message>
    <message>
        <source>Pointer X, pixels</source>
        <translation>إحداثي س للمؤشر، بالبكسل</translation>
    </message>
    <message>
        <source>Pointer Y, pixels</source>
        <translation>إحداثي ص للمؤشر، بالبكسل</translation>
    </message>
    <message>
        <source>Pointer column</source>
        <translation>عمود المؤشر</translation>
    </message>
    <message>
        <source>Pointer row</source>
        <translation>صف المؤشر</translation>
    </message>
    <message>
        <source>Player total:%1</source>
        <extracomment>%1 is the human&apos;s total in two digits, right after the colon.</extracomment>
        <translation>مجموع اللاعب:%1</translation>
    </message>
    <message>
        <source>Computer total:%1</source>
        <extracomment>%1 is the computer&apos;s total in two digits, right after the colon.</extracomment>
        <translation>مجموع الحاسوب:%1</translation>
    </message>
    <message>
        <source>Pennalt (Black and White), made by the Kalvado team: outflank, flip and outnumber the computer.</source>
        <translation>لعبة Pennalt (أبيض وأسود)، من صنع فريق Kalvado: محاصرة أقراص الحاسوب وقلبها والتفوّق عليه عددًا.</translation>
    </message>
    <message>
        <source>About Pennalt</source>
        <translation>حول Pennalt</translation>
    </message>
    <message>
        <source>Exit game?</source>
        <translation>الخروج من اللعبة؟</translation>
    </message>
</context>
</TS>
