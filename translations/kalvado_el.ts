<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="el">
<context>
    <name>Board</name>
    <message>
        <source>Place disc</source>
        <translation>Τοποθέτηση πουλιού</translation>
    </message>
    <message>
        <source>Places your disc on this cell</source>
        <translation>Τοποθετεί το πούλι σου σε αυτό το τετράγωνο</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Ταμπλό</translation>
    </message>
    <message>
        <source>Arrow keys move the cell cursor; Space or Return places a disc there. F2 starts a new game, Alt+P passes.</source>
        <extracomment>The keys named here are the window&apos;s own: Alt+P is the Pass button&apos;s mnemonic in this language.</extracomment>
        <translation>Τα πλήκτρα με τα βέλη μετακινούν τον δρομέα από τετράγωνο σε τετράγωνο· το πλήκτρο διαστήματος ή το Enter τοποθετεί εκεί ένα πούλι. Το F2 ξεκινά νέο παιχνίδι, το Alt+Π κάνει πάσο.</translation>
    </message>
    <message>
        <source>%1, black</source>
        <translation>%1, μαύρο πούλι</translation>
    </message>
    <message>
        <source>%1, white</source>
        <translation>%1, λευκό πούλι</translation>
    </message>
    <message>
        <source>%1, empty</source>
        <translation>%1, κενό</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>No source skin, default is use, you can&apos;t change skin.</source>
        <translation>Καμία πηγή εμφάνιση, η προεπιλογή είναι χρήση, δεν μπορείς να αλλάξεις εμφάνιση.</translation>
    </message>
    <message>
        <source>No skin source</source>
        <translation>Όχι πηγή εμφάνισης</translation>
    </message>
    <message>
        <source>New game! You go first?</source>
        <translation>Νέο παιχνίδι! Ξεκινάς εσύ;</translation>
    </message>
    <message>
        <source>Already occupied!</source>
        <translation>Το τετράγωνο είναι ήδη πιασμένο!</translation>
    </message>
    <message>
        <source>Invalid position!</source>
        <translation>Μη έγκυρη θέση!</translation>
    </message>
    <message>
        <source>Oop!!!</source>
        <extracomment>Title of the boxes that refuse a placement: a startled, childlike cry.</extracomment>
        <translation>Ωχ!!!</translation>
    </message>
    <message>
        <source>You should start a game first! Press F2 to start a new game!</source>
        <translation>Πρώτα πρέπει να ξεκινήσεις παιχνίδι! Πάτα F2 για νέο παιχνίδι!</translation>
    </message>
    <message>
        <source>No game define!</source>
        <extracomment>Box title, in the game&apos;s clumsy tone (for &quot;No game is defined!&quot;).</extracomment>
        <translation>Όχι παιχνίδι ορισμένο!</translation>
    </message>
    <message>
        <source>you lost</source>
        <translation>έχασες</translation>
    </message>
    <message>
        <source>you win</source>
        <translation>κέρδισες</translation>
    </message>
    <message>
        <source>i have no road to go, now is your turn!</source>
        <extracomment>The computer speaking, lower case and clumsy on purpose: keep that tone.</extracomment>
        <translation>εγώ δεν έχω δρόμο να πάω, τώρα είναι σειρά σου!</translation>
    </message>
    <message>
        <source>you have no road to go, press &apos;Pass&apos;!</source>
        <extracomment>&apos;Pass&apos; is the button&apos;s name without its mnemonic: use the translated name.</extracomment>
        <translation>δεν έχεις πού να πας, πάτα «Πάσο»!</translation>
    </message>
    <message>
        <source>you lost!</source>
        <translation>έχασες!</translation>
    </message>
    <message>
        <source>you win!</source>
        <translation>κέρδισες!</translation>
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
        <translation>Εντάξει</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <extracomment>A message box&apos;s button; the letter after &amp; is its Alt key.</extracomment>
        <translation>&amp;Ναι</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <extracomment>A message box&apos;s button; the letter after &amp; is its Alt key.</extracomment>
        <translation>Ό&amp;χι</translation>
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
        <translation>Νέο παιχνίδι: παίζεις με τα μαύρα.</translation>
    </message>
    <message>
        <source>New game: you play white.</source>
        <translation>Νέο παιχνίδι: παίζεις με τα λευκά.</translation>
    </message>
    <message numerus="yes">
        <source>You played %1 and turned %n.</source>
        <translation>
            <numerusform>Έπαιξες στο %1 και αναποδογύρισες %n πούλι.</numerusform>
            <numerusform>Έπαιξες στο %1 και αναποδογύρισες %n πούλια.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Computer played %1 and turned %n.</source>
        <translation>
            <numerusform>Ο υπολογιστής έπαιξε στο %1 και αναποδογύρισε %n πούλι.</numerusform>
            <numerusform>Ο υπολογιστής έπαιξε στο %1 και αναποδογύρισε %n πούλια.</numerusform>
        </translation>
    </message>
    <message>
        <source>You %1, computer %2.</source>
        <translation>Εσύ %1, υπολογιστής %2.</translation>
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
        <translation>Pennalt (Μαύρα και λευκά)</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Σχετικά</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Πληροφορίες</translation>
    </message>
    <message>
        <source>Coord.</source>
        <translation>Συντ.</translation>
    </message>
    <message>
        <source>Mouse Pointer X:</source>
        <translation>Δείκτης ποντικιού X:</translation>
    </message>
    <message>
        <source>Mouse Pointer Y:</source>
        <translation>Δείκτης ποντικιού Y:</translation>
    </message>
    <message>
        <source>Cursor</source>
        <translation>Ποντίκι</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Σκορ</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>Έ&amp;ξοδος</translation>
    </message>
    <message>
        <source>&amp;Pass</source>
        <translation>&amp;Πάσο</translation>
    </message>
    <message>
        <source>Game(&amp;G)</source>
        <translation>Π&amp;αιχνίδι</translation>
    </message>
    <message>
        <source>Option(&amp;O)</source>
        <translation>&amp;Επιλογές</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Νέο παιχνίδι</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Έ&amp;ξοδος</translation>
    </message>
    <message>
        <source>Default *</source>
        <extracomment>The * marks the skin in use: keep it, after a space.</extracomment>
        <translation>Προεπιλογή *</translation>
    </message>
    <message>
        <source>Light Wood</source>
        <translation>Ανοιχτόχρωμο ξύλο</translation>
    </message>
    <message>
        <source>Light Wood2</source>
        <translation>Ανοιχτόχρωμο ξύλο 2</translation>
    </message>
    <message>
        <source>Pointer X, pixels</source>
        <translation>Δείκτης X, σε εικονοστοιχεία</translation>
    </message>
    <message>
        <source>Pointer Y, pixels</source>
        <translation>Δείκτης Y, σε εικονοστοιχεία</translation>
    </message>
    <message>
        <source>Pointer column</source>
        <translation>Στήλη κάτω από τον δείκτη</translation>
    </message>
    <message>
        <source>Pointer row</source>
        <translation>Γραμμή κάτω από τον δείκτη</translation>
    </message>
    <message>
        <source>Player total:%1</source>
        <extracomment>%1 is the human&apos;s total in two digits, right after the colon.</extracomment>
        <translation>Παίκτης:%1</translation>
    </message>
    <message>
        <source>Computer total:%1</source>
        <extracomment>%1 is the computer&apos;s total in two digits, right after the colon.</extracomment>
        <translation>Η/Υ:%1</translation>
    </message>
    <message>
        <source>Pennalt (Black and White), made by the Kalvado team: outflank, flip and outnumber the computer.</source>
        <translation>Pennalt (Μαύρα και λευκά), από την ομάδα του Kalvado: περικύκλωσε και αναποδογύρισε τα πούλια του υπολογιστή και ξεπέρασέ τον σε αριθμό.</translation>
    </message>
    <message>
        <source>About Pennalt</source>
        <translation>Σχετικά με το Pennalt</translation>
    </message>
    <message>
        <source>Exit game?</source>
        <translation>Έξοδος από το παιχνίδι;</translation>
    </message>
</context>
</TS>
