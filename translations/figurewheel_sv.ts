<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv_SE">
<context>
    <name>Figurewheel</name>
    <message>
        <source>Dancers celebrating your solve</source>
        <translation>Dansare som firar din lösning</translation>
    </message>
    <message>
        <source>A sun rising behind green hills</source>
        <translation>En sol som går upp bakom gröna kullar</translation>
    </message>
    <message>
        <source>Congratulations!  You did it!</source>
        <translation>Grattis!  Du klarade det!</translation>
    </message>
    <message>
        <source>Who&apos;s the Best?</source>
        <translation>Vem är bäst?</translation>
    </message>
    <message>
        <source>How Do I Play?</source>
        <translation>Hur spelar jag?</translation>
    </message>
    <message>
        <source>Who Wrote Figurewheel?</source>
        <translation>Vem skrev Figurewheel?</translation>
    </message>
    <message>
        <source>How many numbers do you want?</source>
        <translation>Hur många tal vill du ha?</translation>
    </message>
    <message>
        <source>Hooray</source>
        <translation>Hurra</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Ledtråd</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Lösning</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nytt spel</translation>
    </message>
    <message>
        <source>Welcome to Figurewheel! Make the target and beat the clock. - Fig W.</source>
        <translation>Välkommen till Figurewheel! Nå målet och slå klockan. - Fig W.</translation>
    </message>
    <message>
        <source>Your Guess</source>
        <translation>Din gissning</translation>
    </message>
    <message>
        <source>To make this</source>
        <translation>Så det blir</translation>
    </message>
    <message>
        <source>Combine these</source>
        <translation>Kombinera dessa</translation>
    </message>
    <message>
        <source>hints</source>
        <translation>ledtrådar</translation>
    </message>
    <message>
        <source>You&apos;ve used</source>
        <translation>Du har använt</translation>
    </message>
    <message>
        <source>You peeked!</source>
        <translation>Du tjuvkikade!</translation>
    </message>
    <message>
        <source>Background picture</source>
        <translation>Bakgrundsbild</translation>
    </message>
    <message>
        <source>You&apos;re done!</source>
        <translation>Du är klar!</translation>
    </message>
    <message>
        <source>!!!Way to go!!!</source>
        <translation>!!!Snyggt jobbat!!!</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Mål</translation>
    </message>
    <message>
        <source>Number %1 of the pool</source>
        <translation>Utdelat tal %1</translation>
    </message>
    <message>
        <source>Your guess, cell %1</source>
        <translation>Din gissning, ruta %1</translation>
    </message>
    <message>
        <source>Operator between cells %1 and %2</source>
        <translation>Räknetecken mellan ruta %1 och %2</translation>
    </message>
    <message>
        <source>Solution, cell %1</source>
        <translation>Lösning, ruta %1</translation>
    </message>
    <message>
        <source>Solution, operator between cells %1 and %2</source>
        <translation>Lösning, räknetecken mellan ruta %1 och %2</translation>
    </message>
    <message>
        <source>Running total</source>
        <translation>Delresultat</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Klocka</translation>
    </message>
    <message numerus="yes">
        <source>%n numbers</source>
        <translation>
            <numerusform>%n tal</numerusform>
            <numerusform>%n tal</numerusform>
        </translation>
    </message>
    <message>
        <source>Operator %1, drag it into your guess</source>
        <translation>Räknetecknet %1, dra det till din gissning</translation>
    </message>
    <message>
        <source>Total: %1.</source>
        <translation>Delresultat: %1.</translation>
    </message>
    <message>
        <source>Between cells %1 and %2: nothing.</source>
        <translation>Mellan ruta %1 och %2: inget.</translation>
    </message>
    <message>
        <source>Between cells %1 and %2: %3.</source>
        <translation>Mellan ruta %1 och %2: %3.</translation>
    </message>
    <message>
        <source>Cell %1 empty.</source>
        <translation>Ruta %1 tom.</translation>
    </message>
    <message>
        <source>Cell %1: %2.</source>
        <translation>Ruta %1: %2.</translation>
    </message>
    <message>
        <source>Solution between cells %1 and %2: %3.</source>
        <translation>Lösning mellan ruta %1 och %2: %3.</translation>
    </message>
    <message>
        <source>Solution cell %1: %2.</source>
        <translation>Lösning, ruta %1: %2.</translation>
    </message>
    <message>
        <source>No change.</source>
        <translation>Ingen ändring.</translation>
    </message>
    <message>
        <source>Hint %1.</source>
        <translation>Ledtråd %1.</translation>
    </message>
    <message>
        <source>Solution: %1.</source>
        <translation>Lösning: %1.</translation>
    </message>
    <message>
        <source>Solution hidden.</source>
        <translation>Lösningen är dold.</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>plus</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>minus</translation>
    </message>
    <message>
        <source>times</source>
        <translation>gånger</translation>
    </message>
    <message>
        <source>divide</source>
        <translation>delat med</translation>
    </message>
    <message>
        <source>Target %1. Numbers: %2.</source>
        <translation>Mål %1. Tal: %2.</translation>
    </message>
    <message>
        <source>Holding %1.</source>
        <translation>Du håller %1.</translation>
    </message>
    <message>
        <source>Put back.</source>
        <translation>Lades tillbaka.</translation>
    </message>
    <message numerus="yes">
        <source>Target %1. Total: %2. Clock: %3 seconds.</source>
        <translation>
            <numerusform>Mål %1. Delresultat: %2. Tid: %3 sekund.</numerusform>
            <numerusform>Mål %1. Delresultat: %2. Tid: %3 sekunder.</numerusform>
        </translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>sek.</translation>
    </message>
    <message>
        <source>Who&apos;s Best?</source>
        <translation>Vem är bäst?</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Ditt namn</translation>
    </message>
    <message>
        <source>What&apos;s your name?</source>
        <translation>Vad heter du?</translation>
    </message>
    <message>
        <source>I see a new record!</source>
        <translation>Ett nytt rekord!</translation>
    </message>
    <message>
        <source>A sailor looking out to sea</source>
        <translation>En sjöman som blickar ut över havet</translation>
    </message>
    <message>
        <source>Congratulations!</source>
        <translation>Grattis!</translation>
    </message>
    <message>
        <source>Figurewheel pinwheel</source>
        <translation>Figurewheels vindsnurra</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Beta version for testing only!</source>
        <translation>Betaversion, endast för testning!</translation>
    </message>
    <message>
        <source>About Figurewheel</source>
        <translation>Om Figurewheel</translation>
    </message>
    <message>
        <source>How do I play Figurewheel?</source>
        <translation>Hur spelar jag Figurewheel?</translation>
    </message>
    <message>
        <source>How to play: choose how many numbers, drag numbers and operators into your guess until it matches the target, and use Answer or Hint when you are stuck</source>
        <translation>Så spelar du: välj hur många tal du vill ha, dra tal och räknetecken till din gissning tills den stämmer med målet, och använd Lösning eller Ledtråd om du kör fast</translation>
    </message>
    <message>
        <source>Click here to solve your own puzzle!</source>
        <translation>Klicka här och lös ditt eget pussel!</translation>
    </message>
    <message>
        <source>Solve the Puzzle!</source>
        <translation>Lös pusslet!</translation>
    </message>
    <message>
        <source>Can you add, subtract, multiply and divide these numbers:</source>
        <translation>Kan du addera, subtrahera, multiplicera och dividera dessa tal</translation>
    </message>
    <message>
        <source>To get this answer:</source>
        <translation>så att du får det här svaret:</translation>
    </message>
    <message>
        <source>Here&apos;s the solution:</source>
        <translation>Här är lösningen:</translation>
    </message>
    <message>
        <source>Now solve your own puzzle!</source>
        <translation>Nu får du lösa ditt eget pussel!</translation>
    </message>
    <message>
        <source>Thanks for Trying Figurewheel!</source>
        <translation>Tack för att du provar Figurewheel!</translation>
    </message>
    <message>
        <source>Drag numbers and operators here until your guess matches the target box!</source>
        <translation>Dra hit tal och räknetecken tills din gissning stämmer med målrutan!</translation>
    </message>
    <message>
        <source>Click here to see the answer</source>
        <translation>Klicka här för att se lösningen</translation>
    </message>
    <message>
        <source>Click here for a hint</source>
        <translation>Klicka för ledtråd</translation>
    </message>
    <message>
        <source>from Fig Wheeler</source>
        <translation>av Fig Wheeler</translation>
    </message>
    <message>
        <source>Copyright 2001 Figurewheel Games</source>
        <translation>© 2001 Figurewheel Games</translation>
    </message>
    <message>
        <source>Fig Wheeler would love to hear what you think!</source>
        <translation>Fig Wheeler vill gärna höra vad du tycker!</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Version %1.%2.%3</translation>
    </message>
    <message>
        <source>Celebration sound</source>
        <translation>Segerljud</translation>
    </message>
</context>
</TS>
