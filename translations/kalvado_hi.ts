<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hi">
<context>
    <name>Board</name>
    <message>
        <source>Place disc</source>
        <translation>गोटी रखो</translation>
    </message>
    <message>
        <source>Places your disc on this cell</source>
        <translation>इस ख़ाने पर तुम्हारी गोटी रखता है</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>बोर्ड</translation>
    </message>
    <message>
        <source>Arrow keys move the cell cursor; Space or Return places a disc there. F2 starts a new game, Alt+P passes.</source>
        <extracomment>The keys named here are the window&apos;s own: Alt+P is the Pass button&apos;s mnemonic in this language.</extracomment>
        <translation>तीर कुंजियाँ ख़ानों पर कर्सर चलाती हैं; Space या Enter से वहाँ गोटी रखी जाती है। F2 से नया खेल शुरू होता है, और Alt+P से पास किया जाता है।</translation>
    </message>
    <message>
        <source>%1, black</source>
        <translation>%1, काली गोटी</translation>
    </message>
    <message>
        <source>%1, white</source>
        <translation>%1, सफ़ेद गोटी</translation>
    </message>
    <message>
        <source>%1, empty</source>
        <translation>%1, ख़ाली</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>No source skin, default is use, you can&apos;t change skin.</source>
        <translation>स्रोत थीम नहीं, डिफ़ॉल्ट है इस्तेमाल, थीम बदली नहीं जा सकती।</translation>
    </message>
    <message>
        <source>No skin source</source>
        <translation>थीम स्रोत नहीं</translation>
    </message>
    <message>
        <source>New game! You go first?</source>
        <translation>नया खेल! पहली चाल तुम्हारी?</translation>
    </message>
    <message>
        <source>Already occupied!</source>
        <translation>यह ख़ाना पहले से भरा है!</translation>
    </message>
    <message>
        <source>Invalid position!</source>
        <translation>यहाँ गोटी नहीं रखी जा सकती!</translation>
    </message>
    <message>
        <source>Oop!!!</source>
        <extracomment>Title of the boxes that refuse a placement: a startled, childlike cry.</extracomment>
        <translation>अरे!!!</translation>
    </message>
    <message>
        <source>You should start a game first! Press F2 to start a new game!</source>
        <translation>पहले खेल शुरू करो! नया खेल शुरू करने के लिए F2 दबाओ!</translation>
    </message>
    <message>
        <source>No game define!</source>
        <extracomment>Box title, in the game&apos;s clumsy tone (for &quot;No game is defined!&quot;).</extracomment>
        <translation>कोई खेल नहीं परिभाषित!</translation>
    </message>
    <message>
        <source>you lost</source>
        <translation>तुम्हारी हार हुई</translation>
    </message>
    <message>
        <source>you win</source>
        <translation>तुम्हारी जीत हुई</translation>
    </message>
    <message>
        <source>i have no road to go, now is your turn!</source>
        <extracomment>The computer speaking, lower case and clumsy on purpose: keep that tone.</extracomment>
        <translation>मेरे पास जाने को रास्ता नहीं, अब है तुम्हारी चाल!</translation>
    </message>
    <message>
        <source>you have no road to go, press &apos;Pass&apos;!</source>
        <extracomment>&apos;Pass&apos; is the button&apos;s name without its mnemonic: use the translated name.</extracomment>
        <translation>तुम्हारे लिए कोई चाल नहीं बची, “पास” दबाओ!</translation>
    </message>
    <message>
        <source>you lost!</source>
        <translation>तुम्हारी हार हुई!</translation>
    </message>
    <message>
        <source>you win!</source>
        <translation>तुम्हारी जीत हुई!</translation>
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
        <translation>ठीक है</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <extracomment>A message box&apos;s button; the letter after &amp; is its Alt key.</extracomment>
        <translation>हाँ (&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <extracomment>A message box&apos;s button; the letter after &amp; is its Alt key.</extracomment>
        <translation>नहीं (&amp;N)</translation>
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
        <translation>नया खेल: तुम्हारी गोटियाँ काली हैं।</translation>
    </message>
    <message>
        <source>New game: you play white.</source>
        <translation>नया खेल: तुम्हारी गोटियाँ सफ़ेद हैं।</translation>
    </message>
    <message numerus="yes">
        <source>You played %1 and turned %n.</source>
        <translation>
            <numerusform>तुमने %1 पर चाल चली और %n गोटी पलटी।</numerusform>
            <numerusform>तुमने %1 पर चाल चली और %n गोटियाँ पलटीं।</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Computer played %1 and turned %n.</source>
        <translation>
            <numerusform>कंप्यूटर ने %1 पर चाल चली और %n गोटी पलटी।</numerusform>
            <numerusform>कंप्यूटर ने %1 पर चाल चली और %n गोटियाँ पलटीं।</numerusform>
        </translation>
    </message>
    <message>
        <source>You %1, computer %2.</source>
        <translation>तुम %1, कंप्यूटर %2।</translation>
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
        <translation>Pennalt (काला और सफ़ेद)</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>परिचय (&amp;A)</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>जानकारी</translation>
    </message>
    <message>
        <source>Coord.</source>
        <translation>ख़ाना</translation>
    </message>
    <message>
        <source>Mouse Pointer X:</source>
        <translation>माउस पॉइंटर X:</translation>
    </message>
    <message>
        <source>Mouse Pointer Y:</source>
        <translation>माउस पॉइंटर Y:</translation>
    </message>
    <message>
        <source>Cursor</source>
        <translation>पॉइंटर</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>स्कोर</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>निकास (&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Pass</source>
        <translation>पास (&amp;P)</translation>
    </message>
    <message>
        <source>Game(&amp;G)</source>
        <translation>खेल (&amp;G)</translation>
    </message>
    <message>
        <source>Option(&amp;O)</source>
        <translation>विकल्प (&amp;O)</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>नया खेल</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>निकास (&amp;X)</translation>
    </message>
    <message>
        <source>Default *</source>
        <extracomment>The * marks the skin in use: keep it, after a space.</extracomment>
        <translation>डिफ़ॉल्ट *</translation>
    </message>
    <message>
        <source>Light Wood</source>
        <translation>हल्के रंग की लकड़ी</translation>
    </message>
    <message>
        <source>Light Wood2</source>
        <translation>हल्के रंग की लकड़ी2</translation>
    </message>
    <message>
        <source>Pointer X, pixels</source>
        <translation>पॉइंटर X, पिक्सेल</translation>
    </message>
    <message>
        <source>Pointer Y, pixels</source>
        <translation>पॉइंटर Y, पिक्सेल</translation>
    </message>
    <message>
        <source>Pointer column</source>
        <translation>पॉइंटर का कॉलम</translation>
    </message>
    <message>
        <source>Pointer row</source>
        <translation>पॉइंटर की पंक्ति</translation>
    </message>
    <message>
        <source>Player total:%1</source>
        <extracomment>%1 is the human&apos;s total in two digits, right after the colon.</extracomment>
        <translation>खिलाड़ी:%1</translation>
    </message>
    <message>
        <source>Computer total:%1</source>
        <extracomment>%1 is the computer&apos;s total in two digits, right after the colon.</extracomment>
        <translation>कंप्यूटर:%1</translation>
    </message>
    <message>
        <source>Pennalt (Black and White), made by the Kalvado team: outflank, flip and outnumber the computer.</source>
        <translation>Pennalt (काला और सफ़ेद), Kalvado टीम द्वारा निर्मित: कंप्यूटर की गोटियाँ घेरो, पलटो और गिनती में उससे आगे निकलो।</translation>
    </message>
    <message>
        <source>About Pennalt</source>
        <translation>Pennalt का परिचय</translation>
    </message>
    <message>
        <source>Exit game?</source>
        <translation>खेल से निकलना है?</translation>
    </message>
</context>
</TS>
