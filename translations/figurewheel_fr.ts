<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>Figurewheel</name>
    <message>
        <source>Who&apos;s the Best?</source>
        <translation>Qui est le meilleur&#xa0;?</translation>
    </message>
    <message>
        <source>How Do I Play?</source>
        <translation>Comment jouer&#xa0;?</translation>
    </message>
    <message>
        <source>Who Wrote Figurewheel?</source>
        <translation>Qui a écrit Figurewheel&#xa0;?</translation>
    </message>
    <message>
        <source>How many numbers do you want?</source>
        <translation>Combien de nombres veux-tu&#xa0;?</translation>
    </message>
    <message>
        <source>!!!Way to go!!!</source>
        <translation>!!!&#xa0;Bravo&#xa0;!!!</translation>
    </message>
    <message>
        <source>You&apos;re done!</source>
        <translation>C&apos;est fini&#xa0;!</translation>
    </message>
    <message>
        <source>Hooray</source>
        <translation>Hourra</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Indice</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Solution</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nouveau jeu</translation>
    </message>
    <message>
        <source>Welcome to Figurewheel! Make the target and beat the clock. - Fig W.</source>
        <translation>Bienvenue dans Figurewheel&#xa0;! Atteins la cible et bats la montre. - Fig W.</translation>
    </message>
    <message>
        <source>Your Guess</source>
        <translation>Ton essai</translation>
    </message>
    <message>
        <source>To make this</source>
        <translation>À obtenir</translation>
    </message>
    <message>
        <source>Combine these</source>
        <translation>Combine ceux-ci</translation>
    </message>
    <message>
        <source>hints</source>
        <translation>indices</translation>
    </message>
    <message>
        <source>You&apos;ve used</source>
        <translation>Tu as pris</translation>
    </message>
    <message>
        <source>You peeked!</source>
        <translation>Tu as regardé&#xa0;!</translation>
    </message>
    <message>
        <source>Background picture</source>
        <translation>Image de fond</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Cible</translation>
    </message>
    <message>
        <source>Number %1 of the pool</source>
        <translation>Nombre %1 de la réserve</translation>
    </message>
    <message>
        <source>Your guess, cell %1</source>
        <translation>Ton essai, case %1</translation>
    </message>
    <message>
        <source>Operator between cells %1 and %2</source>
        <translation>Opérateur entre les cases %1 et %2</translation>
    </message>
    <message>
        <source>Solution, cell %1</source>
        <translation>Solution, case %1</translation>
    </message>
    <message>
        <source>Solution, operator between cells %1 and %2</source>
        <translation>Solution, opérateur entre les cases %1 et %2</translation>
    </message>
    <message>
        <source>Running total</source>
        <translation>Total en cours</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Chronomètre</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>moins</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>plus</translation>
    </message>
    <message>
        <source>divide</source>
        <translation>divisé</translation>
    </message>
    <message>
        <source>times</source>
        <translation>fois</translation>
    </message>
    <message>
        <source>Operator %1, drag it into your guess</source>
        <translation>Opérateur %1, fais-le glisser dans ton essai</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>secondes</translation>
    </message>
    <message>
        <source>Who&apos;s Best?</source>
        <translation>Qui est le meilleur&#xa0;?</translation>
    </message>
    <message>
        <source>Dancers celebrating your solve</source>
        <translation>Des danseurs fêtent ta réussite</translation>
    </message>
    <message>
        <source>A sun rising behind green hills</source>
        <translation>Un soleil se lève derrière des collines vertes</translation>
    </message>
    <message>
        <source>Congratulations!  You did it!</source>
        <translation>Félicitations&#xa0;!  Tu as réussi&#xa0;!</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Ton nom</translation>
    </message>
    <message>
        <source>What&apos;s your name?</source>
        <translation>Quel est ton nom&#xa0;?</translation>
    </message>
    <message>
        <source>I see a new record!</source>
        <translation>Un nouveau record&#xa0;!</translation>
    </message>
    <message>
        <source>A sailor looking out to sea</source>
        <translation>Un marin regarde la mer</translation>
    </message>
    <message>
        <source>Congratulations!</source>
        <translation>Félicitations&#xa0;!</translation>
    </message>
    <message>
        <source>Figurewheel pinwheel</source>
        <translation>Moulinet de Figurewheel</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Beta version for testing only!</source>
        <translation>Version bêta, réservée aux tests&#xa0;!</translation>
    </message>
    <message>
        <source>About Figurewheel</source>
        <translation>À propos de Figurewheel</translation>
    </message>
    <message>
        <source>How do I play Figurewheel?</source>
        <translation>Comment jouer à Figurewheel&#xa0;?</translation>
    </message>
    <message>
        <source>How to play: choose how many numbers, drag numbers and operators into your guess until it matches the target, and use Answer or Hint when you are stuck</source>
        <translation>Comment jouer&#xa0;: choisis combien de nombres tu veux, fais glisser nombres et opérateurs dans ton essai jusqu&apos;à atteindre la cible, et sers-toi de Solution ou d&apos;Indice si tu bloques</translation>
    </message>
    <message>
        <source>Click here to solve your own puzzle!</source>
        <translation>Clique ici pour résoudre ton énigme&#xa0;!</translation>
    </message>
    <message>
        <source>Solve the Puzzle!</source>
        <translation>Résous l&apos;énigme&#xa0;!</translation>
    </message>
    <message>
        <source>Can you add, subtract, multiply and divide these numbers:</source>
        <translation>Sauras-tu additionner, soustraire, multiplier et diviser ces nombres</translation>
    </message>
    <message>
        <source>To get this answer:</source>
        <translation>pour obtenir ce résultat&#xa0;:</translation>
    </message>
    <message>
        <source>Here&apos;s the solution:</source>
        <translation>Voici la solution&#xa0;:</translation>
    </message>
    <message>
        <source>Now solve your own puzzle!</source>
        <translation>À toi de résoudre ton énigme&#xa0;!</translation>
    </message>
    <message>
        <source>Thanks for Trying Figurewheel!</source>
        <translation>Merci d&apos;essayer Figurewheel&#xa0;!</translation>
    </message>
    <message>
        <source>from Fig Wheeler</source>
        <translation>par Fig Wheeler</translation>
    </message>
    <message>
        <source>Copyright 2001 Figurewheel Games</source>
        <translation>© 2001 Figurewheel Games</translation>
    </message>
    <message>
        <source>Fig Wheeler would love to hear what you think!</source>
        <translation>Fig Wheeler aimerait connaître ton avis&#xa0;!</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Version %1.%2.%3</translation>
    </message>
    <message>
        <source>Total: %1.</source>
        <translation>Total : %1.</translation>
    </message>
    <message>
        <source>Cell %1 empty.</source>
        <translation>Case %1 vide.</translation>
    </message>
    <message>
        <source>Cell %1: %2.</source>
        <translation>Case %1 : %2.</translation>
    </message>
    <message>
        <source>Put back.</source>
        <translation>Reposé.</translation>
    </message>
    <message>
        <source>No change.</source>
        <translation>Aucun changement.</translation>
    </message>
    <message>
        <source>Solution: %1.</source>
        <translation>Solution : %1.</translation>
    </message>
    <message>
        <source>Solution hidden.</source>
        <translation>Solution cachée.</translation>
    </message>
    <message>
        <source>Target %1. Numbers: %2.</source>
        <translation>Cible %1. Nombres : %2.</translation>
    </message>
    <message>
        <source>Holding %1.</source>
        <translation>En main : %1.</translation>
    </message>
    <message numerus="yes">
        <source>Target %1. Total: %2. Clock: %3 seconds.</source>
        <translation>
            <numerusform>Cible %1. Total : %2. Horloge : %3 seconde.</numerusform>
            <numerusform>Cible %1. Total : %2. Horloge : %3 secondes.</numerusform>
        </translation>
    </message>
    <message>
        <source>Between cells %1 and %2: nothing.</source>
        <translation>Entre les cases %1 et %2 : rien.</translation>
    </message>
    <message>
        <source>Between cells %1 and %2: %3.</source>
        <translation>Entre les cases %1 et %2 : %3.</translation>
    </message>
    <message>
        <source>Solution between cells %1 and %2: %3.</source>
        <translation>Solution entre les cases %1 et %2 : %3.</translation>
    </message>
    <message>
        <source>Solution cell %1: %2.</source>
        <translation>Solution, case %1 : %2.</translation>
    </message>
    <message>
        <source>Hint %1.</source>
        <translation>Indice %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n numbers</source>
        <translation>
            <numerusform>%n nombre</numerusform>
            <numerusform>%n nombres</numerusform>
        </translation>
    </message>
    <message>
        <source>Drag numbers and operators here until your guess matches the target box!</source>
        <translation>Fais glisser nombres et opérateurs ici jusqu&apos;à atteindre la cible&#xa0;!</translation>
    </message>
    <message>
        <source>Click here to see the answer</source>
        <translation>Clique ici pour voir la solution</translation>
    </message>
    <message>
        <source>Click here for a hint</source>
        <translation>Clique ici pour un indice</translation>
    </message>
    <message>
        <source>Celebration sound</source>
        <translation>Son de la victoire</translation>
    </message>
</context>
</TS>
