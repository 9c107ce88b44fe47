<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>Figurewheel</name>
    <message>
        <source>Dancers celebrating your solve</source>
        <translation>Ballerini che festeggiano la tua vittoria</translation>
    </message>
    <message>
        <source>A sun rising behind green hills</source>
        <translation>Il sole che sorge dietro verdi colline</translation>
    </message>
    <message>
        <source>Congratulations!  You did it!</source>
        <translation>Complimenti!  Ce l&apos;hai fatta!</translation>
    </message>
    <message>
        <source>Who&apos;s the Best?</source>
        <translation>Chi è il migliore?</translation>
    </message>
    <message>
        <source>How Do I Play?</source>
        <translation>Come si gioca?</translation>
    </message>
    <message>
        <source>Who Wrote Figurewheel?</source>
        <translation>Chi ha creato Figurewheel?</translation>
    </message>
    <message>
        <source>How many numbers do you want?</source>
        <translation>Quanti numeri vuoi?</translation>
    </message>
    <message>
        <source>Hooray</source>
        <translation>Evviva</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Indizio</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Soluzione</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nuovo gioco</translation>
    </message>
    <message>
        <source>Welcome to Figurewheel! Make the target and beat the clock. - Fig W.</source>
        <translation>Benvenuti in Figurewheel! Raggiungi l&apos;obiettivo e corri contro il tempo. - Fig W.</translation>
    </message>
    <message>
        <source>Your Guess</source>
        <translation>Il tuo tentativo</translation>
    </message>
    <message>
        <source>To make this</source>
        <translation>Obiettivo</translation>
    </message>
    <message>
        <source>Combine these</source>
        <translation>Combina questi</translation>
    </message>
    <message>
        <source>hints</source>
        <translation>indizi</translation>
    </message>
    <message>
        <source>You&apos;ve used</source>
        <translation>Hai usato</translation>
    </message>
    <message>
        <source>You peeked!</source>
        <translation>Hai sbirciato!</translation>
    </message>
    <message>
        <source>Background picture</source>
        <translation>Immagine di sfondo</translation>
    </message>
    <message>
        <source>You&apos;re done!</source>
        <translation>Hai finito!</translation>
    </message>
    <message>
        <source>!!!Way to go!!!</source>
        <translation>!!!Ben fatto!!!</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Obiettivo</translation>
    </message>
    <message>
        <source>Number %1 of the pool</source>
        <translation>Numero disponibile %1</translation>
    </message>
    <message>
        <source>Your guess, cell %1</source>
        <translation>Il tuo tentativo, casella %1</translation>
    </message>
    <message>
        <source>Operator between cells %1 and %2</source>
        <translation>Operatore tra le caselle %1 e %2</translation>
    </message>
    <message>
        <source>Solution, cell %1</source>
        <translation>Soluzione, casella %1</translation>
    </message>
    <message>
        <source>Solution, operator between cells %1 and %2</source>
        <translation>Soluzione, operatore tra le caselle %1 e %2</translation>
    </message>
    <message>
        <source>Running total</source>
        <translation>Totale parziale</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Cronometro</translation>
    </message>
    <message numerus="yes">
        <source>%n numbers</source>
        <translation>
            <numerusform>%n numero</numerusform>
            <numerusform>%n numeri</numerusform>
        </translation>
    </message>
    <message>
        <source>Operator %1, drag it into your guess</source>
        <translation>Operatore %1, trascinalo nel tuo tentativo</translation>
    </message>
    <message>
        <source>Total: %1.</source>
        <translation>Totale: %1.</translation>
    </message>
    <message>
        <source>Between cells %1 and %2: nothing.</source>
        <translation>Tra le caselle %1 e %2: niente.</translation>
    </message>
    <message>
        <source>Between cells %1 and %2: %3.</source>
        <translation>Tra le caselle %1 e %2: %3.</translation>
    </message>
    <message>
        <source>Cell %1 empty.</source>
        <translation>Casella %1 vuota.</translation>
    </message>
    <message>
        <source>Cell %1: %2.</source>
        <translation>Casella %1: %2.</translation>
    </message>
    <message>
        <source>Solution between cells %1 and %2: %3.</source>
        <translation>Soluzione tra le caselle %1 e %2: %3.</translation>
    </message>
    <message>
        <source>Solution cell %1: %2.</source>
        <translation>Soluzione, casella %1: %2.</translation>
    </message>
    <message>
        <source>No change.</source>
        <translation>Nessun cambiamento.</translation>
    </message>
    <message>
        <source>Hint %1.</source>
        <translation>Indizio %1.</translation>
    </message>
    <message>
        <source>Solution: %1.</source>
        <translation>Soluzione: %1.</translation>
    </message>
    <message>
        <source>Solution hidden.</source>
        <translation>Soluzione nascosta.</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>più</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>meno</translation>
    </message>
    <message>
        <source>times</source>
        <translation>per</translation>
    </message>
    <message>
        <source>divide</source>
        <translation>diviso</translation>
    </message>
    <message>
        <source>Target %1. Numbers: %2.</source>
        <translation>Obiettivo %1. Numeri: %2.</translation>
    </message>
    <message>
        <source>Holding %1.</source>
        <translation>In mano: %1.</translation>
    </message>
    <message>
        <source>Put back.</source>
        <translation>Rimesso a posto.</translation>
    </message>
    <message numerus="yes">
        <source>Target %1. Total: %2. Clock: %3 seconds.</source>
        <translation>
            <numerusform>Obiettivo %1. Totale: %2. Cronometro: %3 secondo.</numerusform>
            <numerusform>Obiettivo %1. Totale: %2. Cronometro: %3 secondi.</numerusform>
        </translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>secondi</translation>
    </message>
    <message>
        <source>Who&apos;s Best?</source>
        <translation>Chi è il migliore?</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Il tuo nome</translation>
    </message>
    <message>
        <source>What&apos;s your name?</source>
        <translation>Come ti chiami?</translation>
    </message>
    <message>
        <source>I see a new record!</source>
        <translation>È un nuovo record!</translation>
    </message>
    <message>
        <source>A sailor looking out to sea</source>
        <translation>Un marinaio che guarda il mare</translation>
    </message>
    <message>
        <source>Congratulations!</source>
        <translation>Complimenti!</translation>
    </message>
    <message>
        <source>Figurewheel pinwheel</source>
        <translation>Girandola di Figurewheel</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Beta version for testing only!</source>
        <translation>Versione beta, solo per i test!</translation>
    </message>
    <message>
        <source>About Figurewheel</source>
        <translation>Informazioni su Figurewheel</translation>
    </message>
    <message>
        <source>How do I play Figurewheel?</source>
        <translation>Come si gioca a Figurewheel?</translation>
    </message>
    <message>
        <source>How to play: choose how many numbers, drag numbers and operators into your guess until it matches the target, and use Answer or Hint when you are stuck</source>
        <translation>Come si gioca: scegli quanti numeri vuoi, trascina numeri e operatori nel tuo tentativo finché non raggiunge l&apos;obiettivo e, se ti blocchi, usa Soluzione o Indizio</translation>
    </message>
    <message>
        <source>Click here to solve your own puzzle!</source>
        <translation>Clicca qui e risolvi il tuo enigma!</translation>
    </message>
    <message>
        <source>Solve the Puzzle!</source>
        <translation>Risolvi l&apos;enigma!</translation>
    </message>
    <message>
        <source>Can you add, subtract, multiply and divide these numbers:</source>
        <translation>Riesci a sommare, sottrarre, moltiplicare e dividere questi numeri</translation>
    </message>
    <message>
        <source>To get this answer:</source>
        <translation>per ottenere questo risultato?</translation>
    </message>
    <message>
        <source>Here&apos;s the solution:</source>
        <translation>Ecco la soluzione:</translation>
    </message>
    <message>
        <source>Now solve your own puzzle!</source>
        <translation>Ora risolvi il tuo enigma!</translation>
    </message>
    <message>
        <source>Thanks for Trying Figurewheel!</source>
        <translation>Grazie per aver provato Figurewheel!</translation>
    </message>
    <message>
        <source>Drag numbers and operators here until your guess matches the target box!</source>
        <translation>Trascina qui numeri e operatori finché non raggiungi l&apos;obiettivo!</translation>
    </message>
    <message>
        <source>Click here to see the answer</source>
        <translation>Clicca qui per vedere la soluzione</translation>
    </message>
    <message>
        <source>Click here for a hint</source>
        <translation>Clicca qui per un indizio</translation>
    </message>
    <message>
        <source>from Fig Wheeler</source>
        <translation>di Fig Wheeler</translation>
    </message>
    <message>
        <source>Copyright 2001 Figurewheel Games</source>
        <translation>© 2001 Figurewheel Games</translation>
    </message>
    <message>
        <source>Fig Wheeler would love to hear what you think!</source>
        <translation>Fig Wheeler vorrebbe tanto sapere cosa ne pensi!</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Versione %1.%2.%3</translation>
    </message>
    <message>
        <source>Celebration sound</source>
        <translation>Suono di vittoria</translation>
    </message>
</context>
</TS>
