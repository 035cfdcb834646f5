<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="he">
<context>
    <name>Board</name>
    <message>
        <source>Place disc</source>
        <translation>הנחת דיסקית</translation>
    </message>
    <message>
        <source>Places your disc on this cell</source>
        <translation>הנחת הדיסקית שלך במשבצת זו</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>לוח המשחק</translation>
    </message>
    <message>
        <source>Arrow keys move the cell cursor; Space or Return places a disc there. F2 starts a new game, Alt+P passes.</source>
        <extracomment>The keys named here are the window&apos;s own: Alt+P is the Pass button&apos;s mnemonic in this language.</extracomment>
        <translation>מקשי החיצים מזיזים את סמן המשבצת; רווח או Enter מניחים בה דיסקית. F2 – משחק חדש, Alt+ד – דילוג על התור.</translation>
    </message>
    <message>
        <source>%1, black</source>
        <translation>%1, דיסקית שחורה</translation>
    </message>
    <message>
        <source>%1, white</source>
        <translation>%1, דיסקית לבנה</translation>
    </message>
    <message>
        <source>%1, empty</source>
        <translation>%1, משבצת ריקה</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>No source skin, default is use, you can&apos;t change skin.</source>
        <translation>אין מקור עיצוב, ברירת מחדל היא בשימוש, אי אפשר לשנות עיצוב.</translation>
    </message>
    <message>
        <source>No skin source</source>
        <translation>אין מקור עיצוב</translation>
    </message>
    <message>
        <source>New game! You go first?</source>
        <translation>משחק חדש! התור הראשון יהיה שלך?</translation>
    </message>
    <message>
        <source>Already occupied!</source>
        <translation>המשבצת כבר תפוסה!</translation>
    </message>
    <message>
        <source>Invalid position!</source>
        <translation>מהלך לא חוקי!</translation>
    </message>
    <message>
        <source>Oop!!!</source>
        <extracomment>Title of the boxes that refuse a placement: a startled, childlike cry.</extracomment>
        <translation>אוי!!!</translation>
    </message>
    <message>
        <source>You should start a game first! Press F2 to start a new game!</source>
        <translation>קודם צריך להתחיל משחק! יש ללחוץ על F2 כדי להתחיל משחק חדש!</translation>
    </message>
    <message>
        <source>No game define!</source>
        <extracomment>Box title, in the game&apos;s clumsy tone (for &quot;No game is defined!&quot;).</extracomment>
        <translation>אין משחק הוגדר!</translation>
    </message>
    <message>
        <source>you lost</source>
        <translation>הפסדת</translation>
    </message>
    <message>
        <source>you win</source>
        <translation>ניצחת</translation>
    </message>
    <message>
        <source>i have no road to go, now is your turn!</source>
        <extracomment>The computer speaking, lower case and clumsy on purpose: keep that tone.</extracomment>
        <translation>אין לי דרך ללכת, עכשיו זה התור שלך!</translation>
    </message>
    <message>
        <source>you have no road to go, press &apos;Pass&apos;!</source>
        <extracomment>&apos;Pass&apos; is the button&apos;s name without its mnemonic: use the translated name.</extracomment>
        <translation>אין לך מהלך אפשרי, יש ללחוץ על &quot;דילוג&quot;!</translation>
    </message>
    <message>
        <source>you lost!</source>
        <translation>הפסדת!</translation>
    </message>
    <message>
        <source>you win!</source>
        <translation>ניצחת!</translation>
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
        <translation>אישור</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <extracomment>A message box&apos;s button; the letter after &amp; is its Alt key.</extracomment>
        <translation>&amp;כן</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <extracomment>A message box&apos;s button; the letter after &amp; is its Alt key.</extracomment>
        <translation>&amp;לא</translation>
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
        <translation>משחק חדש: הדיסקיות שלך שחורות.</translation>
    </message>
    <message>
        <source>New game: you play white.</source>
        <translation>משחק חדש: הדיסקיות שלך לבנות.</translation>
    </message>
    <message numerus="yes">
        <source>You played %1 and turned %n.</source>
        <translation>
            <numerusform>המהלך שלך: %1, התהפכה %n דיסקית.</numerusform>
            <numerusform>המהלך שלך: %1, התהפכו %n דיסקיות.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Computer played %1 and turned %n.</source>
        <translation>
            <numerusform>מהלך המחשב: %1, התהפכה %n דיסקית.</numerusform>
            <numerusform>מהלך המחשב: %1, התהפכו %n דיסקיות.</numerusform>
        </translation>
    </message>
    <message>
        <source>You %1, computer %2.</source>
        <translation>התוצאה: לך %1, למחשב %2.</translation>
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
        <translation>Pennalt (שחור-לבן)</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;אודות</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>מידע</translation>
    </message>
    <message>
        <source>Coord.</source>
        <translation>משבצת</translation>
    </message>
    <message>
        <source>Mouse Pointer X:</source>
        <translation>מצביע העכבר X:</translation>
    </message>
    <message>
        <source>Mouse Pointer Y:</source>
        <translation>מצביע העכבר Y:</translation>
    </message>
    <message>
        <source>Cursor</source>
        <translation>מצביע</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>ניקוד</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;יציאה</translation>
    </message>
    <message>
        <source>&amp;Pass</source>
        <translation>&amp;דילוג</translation>
    </message>
    <message>
        <source>Game(&amp;G)</source>
        <translation>&amp;משחק</translation>
    </message>
    <message>
        <source>Option(&amp;O)</source>
        <translation>&amp;הגדרות</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>משחק חדש</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;יציאה</translation>
    </message>
    <message>
        <source>Default *</source>
        <extracomment>The * marks the skin in use: keep it, after a space.</extracomment>
        <translation>ברירת מחדל *</translation>
    </message>
    <message>
        <source>Light Wood</source>
        <translation>עץ בהיר</translation>
    </message>
    <message>
        <source>Light Wood2</source>
        <translation>עץ בהיר 2</translation>
    </message>
    <message>
        <source>Pointer X, pixels</source>
        <translation>מצביע X, בפיקסלים</translation>
    </message>
    <message>
        <source>Pointer Y, pixels</source>
        <translation>מצביע Y, בפיקסלים</translation>
    </message>
    <message>
        <source>Pointer column</source>
        <translation>עמודת המצביע</translation>
    </message>
    <message>
        <source>Pointer row</source>
        <translation>שורת המצביע</translation>
    </message>
    <message>
        <source>Player total:%1</source>
        <extracomment>%1 is the human&apos;s total in two digits, right after the colon.</extracomment>
        <translation>שחקן:%1</translation>
    </message>
    <message>
        <source>Computer total:%1</source>
        <extracomment>%1 is the computer&apos;s total in two digits, right after the colon.</extracomment>
        <translation>מחשב:%1</translation>
    </message>
    <message>
        <source>Pennalt (Black and White), made by the Kalvado team: outflank, flip and outnumber the computer.</source>
        <translation>המשחק Pennalt (שחור-לבן) מאת צוות Kalvado: לכתר, להפוך ולגבור על המחשב במספר הדיסקיות.</translation>
    </message>
    <message>
        <source>About Pennalt</source>
        <translation>אודות Pennalt</translation>
    </message>
    <message>
        <source>Exit game?</source>
        <translation>לצאת מהמשחק?</translation>
    </message>
</context>
</TS>
