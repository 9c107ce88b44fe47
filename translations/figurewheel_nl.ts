<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
<context>
    <name>Figurewheel</name>
    <message>
        <source>Dancers celebrating your solve</source>
        <translation>Dansers die je oplossing vieren</translation>
    </message>
    <message>
        <source>A sun rising behind green hills</source>
        <translation>Een zon die opkomt achter groene heuvels</translation>
    </message>
    <message>
        <source>Congratulations!  You did it!</source>
        <translation>Gefeliciteerd!  Het is je gelukt!</translation>
    </message>
    <message>
        <source>Who&apos;s the Best?</source>
        <translation>Wie is de beste?</translation>
    </message>
    <message>
        <source>How Do I Play?</source>
        <translation>Hoe speel je?</translation>
    </message>
    <message>
        <source>Who Wrote Figurewheel?</source>
        <translation>Wie heeft Figurewheel gemaakt?</translation>
    </message>
    <message>
        <source>How many numbers do you want?</source>
        <translation>Hoeveel getallen wil je?</translation>
    </message>
    <message>
        <source>Hooray</source>
        <translation>Hoera</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Tip</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Oplossing</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nieuw spel</translation>
    </message>
    <message>
        <source>Welcome to Figurewheel! Make the target and beat the clock. - Fig W.</source>
        <translation>Welkom bij Figurewheel! Haal het doelgetal en wees de klok te snel af. - Fig W.</translation>
    </message>
    <message>
        <source>Your Guess</source>
        <translation>Jouw poging</translation>
    </message>
    <message>
        <source>To make this</source>
        <translation>Doelgetal</translation>
    </message>
    <message>
        <source>Combine these</source>
        <translation>Combineer deze</translation>
    </message>
    <message>
        <source>hints</source>
        <translation>tips gebruikt</translation>
    </message>
    <message>
        <source>You&apos;ve used</source>
        <translation>Je hebt</translation>
    </message>
    <message>
        <source>You peeked!</source>
        <translation>Je hebt gespiekt!</translation>
    </message>
    <message>
        <source>Background picture</source>
        <translation>Achtergrondafbeelding</translation>
    </message>
    <message>
        <source>You&apos;re done!</source>
        <translation>Je bent klaar!</translation>
    </message>
    <message>
        <source>!!!Way to go!!!</source>
        <translation>!!!Goed gedaan!!!</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Doelgetal</translation>
    </message>
    <message>
        <source>Number %1 of the pool</source>
        <translation>Beschikbaar getal %1</translation>
    </message>
    <message>
        <source>Your guess, cell %1</source>
        <translation>Jouw poging, vak %1</translation>
    </message>
    <message>
        <source>Operator between cells %1 and %2</source>
        <translation>Rekenteken tussen vak %1 en %2</translation>
    </message>
    <message>
        <source>Solution, cell %1</source>
        <translation>Oplossing, vak %1</translation>
    </message>
    <message>
        <source>Solution, operator between cells %1 and %2</source>
        <translation>Oplossing, rekenteken tussen vak %1 en %2</translation>
    </message>
    <message>
        <source>Running total</source>
        <translation>Tussenresultaat</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Klok</translation>
    </message>
    <message numerus="yes">
        <source>%n numbers</source>
        <translation>
            <numerusform>%n getal</numerusform>
            <numerusform>%n getallen</numerusform>
        </translation>
    </message>
    <message>
        <source>Operator %1, drag it into your guess</source>
        <translation>Rekenteken %1, sleep het naar je poging</translation>
    </message>
    <message>
        <source>Total: %1.</source>
        <translation>Totaal: %1.</translation>
    </message>
    <message>
        <source>Between cells %1 and %2: nothing.</source>
        <translation>Tussen vak %1 en %2: niets.</translation>
    </message>
    <message>
        <source>Between cells %1 and %2: %3.</source>
        <translation>Tussen vak %1 en %2: %3.</translation>
    </message>
    <message>
        <source>Cell %1 empty.</source>
        <translation>Vak %1 leeg.</translation>
    </message>
    <message>
        <source>Cell %1: %2.</source>
        <translation>Vak %1: %2.</translation>
    </message>
    <message>
        <source>Solution between cells %1 and %2: %3.</source>
        <translation>Oplossing tussen vak %1 en %2: %3.</translation>
    </message>
    <message>
        <source>Solution cell %1: %2.</source>
        <translation>Oplossing, vak %1: %2.</translation>
    </message>
    <message>
        <source>No change.</source>
        <translation>Geen verandering.</translation>
    </message>
    <message>
        <source>Hint %1.</source>
        <translation>Tip %1.</translation>
    </message>
    <message>
        <source>Solution: %1.</source>
        <translation>Oplossing: %1.</translation>
    </message>
    <message>
        <source>Solution hidden.</source>
        <translation>Oplossing verborgen.</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>plus</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>min</translation>
    </message>
    <message>
        <source>times</source>
        <translation>keer</translation>
    </message>
    <message>
        <source>divide</source>
        <translation>gedeeld door</translation>
    </message>
    <message>
        <source>Target %1. Numbers: %2.</source>
        <translation>Doelgetal %1. Getallen: %2.</translation>
    </message>
    <message>
        <source>Holding %1.</source>
        <translation>Opgepakt: %1.</translation>
    </message>
    <message>
        <source>Put back.</source>
        <translation>Teruggelegd.</translation>
    </message>
    <message numerus="yes">
        <source>Target %1. Total: %2. Clock: %3 seconds.</source>
        <translation>
            <numerusform>Doelgetal %1. Totaal: %2. Klok: %3 seconde.</numerusform>
            <numerusform>Doelgetal %1. Totaal: %2. Klok: %3 seconden.</numerusform>
        </translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>sec.</translation>
    </message>
    <message>
        <source>Who&apos;s Best?</source>
        <translation>Wie is de beste?</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Je naam</translation>
    </message>
    <message>
        <source>What&apos;s your name?</source>
        <translation>Hoe heet je?</translation>
    </message>
    <message>
        <source>I see a new record!</source>
        <translation>Een nieuw record!</translation>
    </message>
    <message>
        <source>A sailor looking out to sea</source>
        <translation>Een zeeman die uitkijkt over zee</translation>
    </message>
    <message>
        <source>Congratulations!</source>
        <translation>Gefeliciteerd!</translation>
    </message>
    <message>
        <source>Figurewheel pinwheel</source>
        <translation>Windmolentje van Figurewheel</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Beta version for testing only!</source>
        <translation>Bètaversie, alleen om te testen!</translation>
    </message>
    <message>
        <source>About Figurewheel</source>
        <translation>Over Figurewheel</translation>
    </message>
    <message>
        <source>How do I play Figurewheel?</source>
        <translation>Hoe speel je Figurewheel?</translation>
    </message>
    <message>
        <source>How to play: choose how many numbers, drag numbers and operators into your guess until it matches the target, and use Answer or Hint when you are stuck</source>
        <translation>Zo speel je: kies hoeveel getallen je wilt, sleep getallen en rekentekens naar je poging tot die het doelgetal haalt, en gebruik Oplossing of Tip als je vastzit</translation>
    </message>
    <message>
        <source>Click here to solve your own puzzle!</source>
        <translation>Klik hier en los je eigen puzzel op!</translation>
    </message>
    <message>
        <source>Solve the Puzzle!</source>
        <translation>Los de puzzel op!</translation>
    </message>
    <message>
        <source>Can you add, subtract, multiply and divide these numbers:</source>
        <translation>Tel op, trek af, vermenigvuldig en deel met deze getallen</translation>
    </message>
    <message>
        <source>To get this answer:</source>
        <translation>om deze uitkomst te krijgen:</translation>
    </message>
    <message>
        <source>Here&apos;s the solution:</source>
        <translation>Dit is de oplossing:</translation>
    </message>
    <message>
        <source>Now solve your own puzzle!</source>
        <translation>Los nu je eigen puzzel op!</translation>
    </message>
    <message>
        <source>Thanks for Trying Figurewheel!</source>
        <translation>Leuk dat je Figurewheel uitprobeert!</translation>
    </message>
    <message>
        <source>Drag numbers and operators here until your guess matches the target box!</source>
        <translation>Sleep hier getallen en rekentekens heen tot je poging het doelgetal haalt!</translation>
    </message>
    <message>
        <source>Click here to see the answer</source>
        <translation>Klik hier voor de oplossing</translation>
    </message>
    <message>
        <source>Click here for a hint</source>
        <translation>Klik voor een tip</translation>
    </message>
    <message>
        <source>from Fig Wheeler</source>
        <translation>van Fig Wheeler</translation>
    </message>
    <message>
        <source>Copyright 2001 Figurewheel Games</source>
        <translation>© 2001 Figurewheel Games</translation>
    </message>
    <message>
        <source>Fig Wheeler would love to hear what you think!</source>
        <translation>Fig Wheeler hoort graag wat je ervan vindt!</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Versie %1.%2.%3</translation>
    </message>
    <message>
        <source>Celebration sound</source>
        <translation>Feestgeluid</translation>
    </message>
</context>
</TS>
