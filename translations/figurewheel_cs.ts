<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs_CZ">
<context>
    <name>Figurewheel</name>
    <message>
        <source>Dancers celebrating your solve</source>
        <translation>Tanečníci slaví tvůj úspěch</translation>
    </message>
    <message>
        <source>A sun rising behind green hills</source>
        <translation>Slunce vychází za zelenými kopci</translation>
    </message>
    <message>
        <source>Congratulations!  You did it!</source>
        <translation>Gratulujeme!  Povedlo se ti to!</translation>
    </message>
    <message>
        <source>Who&apos;s the Best?</source>
        <translation>Kdo je nejlepší?</translation>
    </message>
    <message>
        <source>How Do I Play?</source>
        <translation>Jak hrát?</translation>
    </message>
    <message>
        <source>Who Wrote Figurewheel?</source>
        <translation>Kdo vytvořil Figurewheel?</translation>
    </message>
    <message>
        <source>How many numbers do you want?</source>
        <translation>Kolik čísel chceš?</translation>
    </message>
    <message>
        <source>Hooray</source>
        <translation>Hurá</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Nápověda</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Řešení</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nová hra</translation>
    </message>
    <message>
        <source>Welcome to Figurewheel! Make the target and beat the clock. - Fig W.</source>
        <translation>Vítej ve hře Figurewheel! Trefuj cíl a poraz čas. - Fig W.</translation>
    </message>
    <message>
        <source>Your Guess</source>
        <translation>Tvůj pokus</translation>
    </message>
    <message>
        <source>To make this</source>
        <translation>Má vyjít</translation>
    </message>
    <message>
        <source>Combine these</source>
        <translation>Použij tato čísla</translation>
    </message>
    <message>
        <source>hints</source>
        <translation>krát</translation>
    </message>
    <message>
        <source>You&apos;ve used</source>
        <translation>Nápověda použita</translation>
    </message>
    <message>
        <source>You peeked!</source>
        <translation>Nakouknuto!</translation>
    </message>
    <message>
        <source>Background picture</source>
        <translation>Obrázek na pozadí</translation>
    </message>
    <message>
        <source>You&apos;re done!</source>
        <translation>Hotovo!</translation>
    </message>
    <message>
        <source>!!!Way to go!!!</source>
        <translation>!!!Skvělé!!!</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Cíl</translation>
    </message>
    <message>
        <source>Number %1 of the pool</source>
        <translation>Číslo %1 ze zásoby</translation>
    </message>
    <message>
        <source>Your guess, cell %1</source>
        <translation>Tvůj pokus, políčko %1</translation>
    </message>
    <message>
        <source>Operator between cells %1 and %2</source>
        <translation>Znaménko mezi políčky %1 a %2</translation>
    </message>
    <message>
        <source>Solution, cell %1</source>
        <translation>Řešení, políčko %1</translation>
    </message>
    <message>
        <source>Solution, operator between cells %1 and %2</source>
        <translation>Řešení, znaménko mezi políčky %1 a %2</translation>
    </message>
    <message>
        <source>Running total</source>
        <translation>Průběžný výsledek</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Čas</translation>
    </message>
    <message numerus="yes">
        <source>%n numbers</source>
        <translation>
            <numerusform>%n číslo</numerusform>
            <numerusform>%n čísla</numerusform>
            <numerusform>%n čísel</numerusform>
        </translation>
    </message>
    <message>
        <source>Operator %1, drag it into your guess</source>
        <translation>Znaménko %1, přetáhni ho do svého pokusu</translation>
    </message>
    <message>
        <source>Total: %1.</source>
        <translation>Výsledek: %1.</translation>
    </message>
    <message>
        <source>Between cells %1 and %2: nothing.</source>
        <translation>Mezi políčky %1 a %2: nic.</translation>
    </message>
    <message>
        <source>Between cells %1 and %2: %3.</source>
        <translation>Mezi políčky %1 a %2: %3.</translation>
    </message>
    <message>
        <source>Cell %1 empty.</source>
        <translation>Políčko %1 je prázdné.</translation>
    </message>
    <message>
        <source>Cell %1: %2.</source>
        <translation>Políčko %1: %2.</translation>
    </message>
    <message>
        <source>Solution between cells %1 and %2: %3.</source>
        <translation>Řešení, mezi políčky %1 a %2: %3.</translation>
    </message>
    <message>
        <source>Solution cell %1: %2.</source>
        <translation>Řešení, políčko %1: %2.</translation>
    </message>
    <message>
        <source>No change.</source>
        <translation>Beze změny.</translation>
    </message>
    <message>
        <source>Hint %1.</source>
        <translation>Nápověda %1.</translation>
    </message>
    <message>
        <source>Solution: %1.</source>
        <translation>Řešení: %1.</translation>
    </message>
    <message>
        <source>Solution hidden.</source>
        <translation>Řešení skryto.</translation>
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
        <translation>krát</translation>
    </message>
    <message>
        <source>divide</source>
        <translation>děleno</translation>
    </message>
    <message>
        <source>Target %1. Numbers: %2.</source>
        <translation>Cíl %1. Čísla: %2.</translation>
    </message>
    <message>
        <source>Holding %1.</source>
        <translation>Držíš: %1.</translation>
    </message>
    <message>
        <source>Put back.</source>
        <translation>Vráceno zpět.</translation>
    </message>
    <message numerus="yes">
        <source>Target %1. Total: %2. Clock: %3 seconds.</source>
        <translation>
            <numerusform>Cíl %1. Výsledek: %2. Čas: %3 sekunda.</numerusform>
            <numerusform>Cíl %1. Výsledek: %2. Čas: %3 sekundy.</numerusform>
            <numerusform>Cíl %1. Výsledek: %2. Čas: %3 sekund.</numerusform>
        </translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>sek.</translation>
    </message>
    <message>
        <source>Who&apos;s Best?</source>
        <translation>Kdo je nejlepší?</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Tvoje jméno</translation>
    </message>
    <message>
        <source>What&apos;s your name?</source>
        <translation>Jak se jmenuješ?</translation>
    </message>
    <message>
        <source>I see a new record!</source>
        <translation>Máme nový rekord!</translation>
    </message>
    <message>
        <source>A sailor looking out to sea</source>
        <translation>Námořník hledí na moře</translation>
    </message>
    <message>
        <source>Congratulations!</source>
        <translation>Gratulujeme!</translation>
    </message>
    <message>
        <source>Figurewheel pinwheel</source>
        <translation>Větrník Figurewheel</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Beta version for testing only!</source>
        <translation>Betaverze, jen k testování!</translation>
    </message>
    <message>
        <source>About Figurewheel</source>
        <translation>O hře Figurewheel</translation>
    </message>
    <message>
        <source>How do I play Figurewheel?</source>
        <translation>Jak se hraje Figurewheel?</translation>
    </message>
    <message>
        <source>How to play: choose how many numbers, drag numbers and operators into your guess until it matches the target, and use Answer or Hint when you are stuck</source>
        <translation>Jak hrát: zvol, kolik chceš čísel, přetahuj čísla a znaménka do svého pokusu, dokud se nebude rovnat cíli, a když si nevíš rady, použij tlačítko Řešení nebo Nápověda</translation>
    </message>
    <message>
        <source>Click here to solve your own puzzle!</source>
        <translation>Klikni a vyřeš svůj vlastní hlavolam!</translation>
    </message>
    <message>
        <source>Solve the Puzzle!</source>
        <translation>Vyřeš hlavolam!</translation>
    </message>
    <message>
        <source>Can you add, subtract, multiply and divide these numbers:</source>
        <translation>Dokážeš tato čísla sčítat, odčítat, násobit a dělit</translation>
    </message>
    <message>
        <source>To get this answer:</source>
        <translation>tak, aby vyšel tento výsledek:</translation>
    </message>
    <message>
        <source>Here&apos;s the solution:</source>
        <translation>Tady je řešení:</translation>
    </message>
    <message>
        <source>Now solve your own puzzle!</source>
        <translation>Teď vyřeš svůj vlastní hlavolam!</translation>
    </message>
    <message>
        <source>Thanks for Trying Figurewheel!</source>
        <translation>Díky, že zkoušíš Figurewheel!</translation>
    </message>
    <message>
        <source>Drag numbers and operators here until your guess matches the target box!</source>
        <translation>Přetahuj sem čísla a znaménka, dokud se tvůj pokus nebude rovnat cíli!</translation>
    </message>
    <message>
        <source>Click here to see the answer</source>
        <translation>Klikni sem a uvidíš řešení</translation>
    </message>
    <message>
        <source>Click here for a hint</source>
        <translation>Klikni sem pro nápovědu</translation>
    </message>
    <message>
        <source>from Fig Wheeler</source>
        <translation>autor: Fig Wheeler</translation>
    </message>
    <message>
        <source>Copyright 2001 Figurewheel Games</source>
        <translation>© 2001 Figurewheel Games</translation>
    </message>
    <message>
        <source>Fig Wheeler would love to hear what you think!</source>
        <translation>Fig Wheeler rád uslyší tvůj názor!</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Verze %1.%2.%3</translation>
    </message>
    <message>
        <source>Celebration sound</source>
        <translation>Zvuk vítězství</translation>
    </message>
</context>
</TS>
