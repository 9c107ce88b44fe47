<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Figurewheel</name>
    <message>
        <source>Who&apos;s the Best?</source>
        <translation>Wer ist am besten?</translation>
    </message>
    <message>
        <source>How Do I Play?</source>
        <translation>Wie spiele ich?</translation>
    </message>
    <message>
        <source>Who Wrote Figurewheel?</source>
        <translation>Wer schrieb Figurewheel?</translation>
    </message>
    <message>
        <source>How many numbers do you want?</source>
        <translation>Wie viele Zahlen möchtest du?</translation>
    </message>
    <message>
        <source>!!!Way to go!!!</source>
        <translation>!!!Spitze!!!</translation>
    </message>
    <message>
        <source>You&apos;re done!</source>
        <translation>Geschafft!</translation>
    </message>
    <message>
        <source>Hooray</source>
        <translation>Hurra</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Tipp</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Lösung</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Neues Spiel</translation>
    </message>
    <message>
        <source>Welcome to Figurewheel! Make the target and beat the clock. - Fig W.</source>
        <translation>Willkommen bei Figurewheel! Triff das Ziel und schlag die Uhr. - Fig W.</translation>
    </message>
    <message>
        <source>Your Guess</source>
        <translation>Dein Versuch</translation>
    </message>
    <message>
        <source>To make this</source>
        <translation>Ergibt dies</translation>
    </message>
    <message>
        <source>Combine these</source>
        <translation>Kombiniere diese</translation>
    </message>
    <message>
        <source>hints</source>
        <translation>Tipps</translation>
    </message>
    <message>
        <source>You&apos;ve used</source>
        <translation>Genutzt:</translation>
    </message>
    <message>
        <source>You peeked!</source>
        <translation>Gespickt!</translation>
    </message>
    <message>
        <source>Background picture</source>
        <translation>Hintergrundbild</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Ziel</translation>
    </message>
    <message>
        <source>Number %1 of the pool</source>
        <translation>Zahl %1 des Vorrats</translation>
    </message>
    <message>
        <source>Your guess, cell %1</source>
        <translation>Dein Versuch, Feld %1</translation>
    </message>
    <message>
        <source>Operator between cells %1 and %2</source>
        <translation>Rechenzeichen zwischen Feld %1 und %2</translation>
    </message>
    <message>
        <source>Solution, cell %1</source>
        <translation>Lösung, Feld %1</translation>
    </message>
    <message>
        <source>Solution, operator between cells %1 and %2</source>
        <translation>Lösung, Rechenzeichen zwischen Feld %1 und %2</translation>
    </message>
    <message>
        <source>Running total</source>
        <translation>Zwischenergebnis</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Uhr</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>minus</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>plus</translation>
    </message>
    <message>
        <source>divide</source>
        <translation>geteilt</translation>
    </message>
    <message>
        <source>times</source>
        <translation>mal</translation>
    </message>
    <message>
        <source>Operator %1, drag it into your guess</source>
        <translation>Rechenzeichen %1, zieh es in deinen Versuch</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>Sekunden</translation>
    </message>
    <message>
        <source>Who&apos;s Best?</source>
        <translation>Wer ist am besten?</translation>
    </message>
    <message>
        <source>Dancers celebrating your solve</source>
        <translation>Tänzer feiern deine Lösung</translation>
    </message>
    <message>
        <source>A sun rising behind green hills</source>
        <translation>Eine Sonne geht hinter grünen Hügeln auf</translation>
    </message>
    <message>
        <source>Congratulations!  You did it!</source>
        <translation>Glückwunsch!  Du hast es geschafft!</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Dein Name</translation>
    </message>
    <message>
        <source>What&apos;s your name?</source>
        <translation>Wie heißt du?</translation>
    </message>
    <message>
        <source>I see a new record!</source>
        <translation>Ein neuer Rekord!</translation>
    </message>
    <message>
        <source>A sailor looking out to sea</source>
        <translation>Ein Seemann blickt aufs Meer</translation>
    </message>
    <message>
        <source>Congratulations!</source>
        <translation>Glückwunsch!</translation>
    </message>
    <message>
        <source>Figurewheel pinwheel</source>
        <translation>Windrad von Figurewheel</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Beta version for testing only!</source>
        <translation>Betaversion, nur zum Testen!</translation>
    </message>
    <message>
        <source>About Figurewheel</source>
        <translation>Über Figurewheel</translation>
    </message>
    <message>
        <source>How do I play Figurewheel?</source>
        <translation>Wie spiele ich Figurewheel?</translation>
    </message>
    <message>
        <source>How to play: choose how many numbers, drag numbers and operators into your guess until it matches the target, and use Answer or Hint when you are stuck</source>
        <translation>So wird gespielt: Wähle, wie viele Zahlen du willst, und zieh Zahlen und Rechenzeichen in deinen Versuch, bis er das Ziel ergibt. Kommst du nicht weiter, helfen Lösung und Tipp</translation>
    </message>
    <message>
        <source>Click here to solve your own puzzle!</source>
        <translation>Klick hier und löse dein eigenes Rätsel!</translation>
    </message>
    <message>
        <source>Solve the Puzzle!</source>
        <translation>Löse das Rätsel!</translation>
    </message>
    <message>
        <source>Can you add, subtract, multiply and divide these numbers:</source>
        <translation>Kannst du diese Zahlen addieren, abziehen, malnehmen und teilen,</translation>
    </message>
    <message>
        <source>To get this answer:</source>
        <translation>um dieses Ergebnis zu erhalten:</translation>
    </message>
    <message>
        <source>Here&apos;s the solution:</source>
        <translation>Hier ist die Lösung:</translation>
    </message>
    <message>
        <source>Now solve your own puzzle!</source>
        <translation>Jetzt löse dein eigenes Rätsel!</translation>
    </message>
    <message>
        <source>Thanks for Trying Figurewheel!</source>
        <translation>Danke, dass du Figurewheel ausprobierst!</translation>
    </message>
    <message>
        <source>from Fig Wheeler</source>
        <translation>von Fig Wheeler</translation>
    </message>
    <message>
        <source>Copyright 2001 Figurewheel Games</source>
        <translation>© 2001 Figurewheel Games</translation>
    </message>
    <message>
        <source>Fig Wheeler would love to hear what you think!</source>
        <translation>Fig Wheeler freut sich auf deine Meinung!</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Version %1.%2.%3</translation>
    </message>
    <message>
        <source>Total: %1.</source>
        <translation>Zwischenergebnis: %1.</translation>
    </message>
    <message>
        <source>Cell %1 empty.</source>
        <translation>Feld %1 leer.</translation>
    </message>
    <message>
        <source>Cell %1: %2.</source>
        <translation>Feld %1: %2.</translation>
    </message>
    <message>
        <source>Put back.</source>
        <translation>Zurückgelegt.</translation>
    </message>
    <message>
        <source>No change.</source>
        <translation>Keine Änderung.</translation>
    </message>
    <message>
        <source>Solution: %1.</source>
        <translation>Lösung: %1.</translation>
    </message>
    <message>
        <source>Solution hidden.</source>
        <translation>Lösung verborgen.</translation>
    </message>
    <message>
        <source>Target %1. Numbers: %2.</source>
        <translation>Ziel %1. Zahlen: %2.</translation>
    </message>
    <message>
        <source>Holding %1.</source>
        <translation>In der Hand: %1.</translation>
    </message>
    <message numerus="yes">
        <source>Target %1. Total: %2. Clock: %3 seconds.</source>
        <translation>
            <numerusform>Ziel %1. Zwischenergebnis: %2. Uhr: %3 Sekunde.</numerusform>
            <numerusform>Ziel %1. Zwischenergebnis: %2. Uhr: %3 Sekunden.</numerusform>
        </translation>
    </message>
    <message>
        <source>Between cells %1 and %2: nothing.</source>
        <translation>Zwischen Feld %1 und %2: nichts.</translation>
    </message>
    <message>
        <source>Between cells %1 and %2: %3.</source>
        <translation>Zwischen Feld %1 und %2: %3.</translation>
    </message>
    <message>
        <source>Solution between cells %1 and %2: %3.</source>
        <translation>Lösung zwischen Feld %1 und %2: %3.</translation>
    </message>
    <message>
        <source>Solution cell %1: %2.</source>
        <translation>Lösung, Feld %1: %2.</translation>
    </message>
    <message>
        <source>Hint %1.</source>
        <translation>Tipp %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n numbers</source>
        <translation>
            <numerusform>%n Zahl</numerusform>
            <numerusform>%n Zahlen</numerusform>
        </translation>
    </message>
    <message>
        <source>Drag numbers and operators here until your guess matches the target box!</source>
        <translation>Zieh Zahlen und Rechenzeichen hierher, bis dein Versuch das Ziel ergibt!</translation>
    </message>
    <message>
        <source>Click here to see the answer</source>
        <translation>Klick hier für die Lösung</translation>
    </message>
    <message>
        <source>Click here for a hint</source>
        <translation>Klick hier für einen Tipp</translation>
    </message>
    <message>
        <source>Celebration sound</source>
        <translation>Jubelklang</translation>
    </message>
</context>
</TS>
