<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>Figurewheel</name>
    <message>
        <source>Dancers celebrating your solve</source>
        <translation>Bailarines que celebran tu victoria</translation>
    </message>
    <message>
        <source>A sun rising behind green hills</source>
        <translation>Un sol que sale tras unas colinas verdes</translation>
    </message>
    <message>
        <source>Congratulations!  You did it!</source>
        <translation>¡Enhorabuena!  ¡Lo has conseguido!</translation>
    </message>
    <message>
        <source>Who&apos;s the Best?</source>
        <translation>¿Quién es el mejor?</translation>
    </message>
    <message>
        <source>How Do I Play?</source>
        <translation>¿Cómo se juega?</translation>
    </message>
    <message>
        <source>Who Wrote Figurewheel?</source>
        <translation>¿Quién creó Figurewheel?</translation>
    </message>
    <message>
        <source>How many numbers do you want?</source>
        <translation>¿Cuántos números quieres?</translation>
    </message>
    <message>
        <source>Hooray</source>
        <translation>¡Hurra!</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Pista</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Solución</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nuevo reto</translation>
    </message>
    <message>
        <source>Welcome to Figurewheel! Make the target and beat the clock. - Fig W.</source>
        <translation>¡Bienvenido a Figurewheel! Alcanza el objetivo y vence al reloj. - Fig W.</translation>
    </message>
    <message>
        <source>Your Guess</source>
        <translation>Tu intento</translation>
    </message>
    <message>
        <source>To make this</source>
        <translation>Para lograr</translation>
    </message>
    <message>
        <source>Combine these</source>
        <translation>Combina estos</translation>
    </message>
    <message>
        <source>hints</source>
        <translation>pistas</translation>
    </message>
    <message>
        <source>You&apos;ve used</source>
        <translation>Has usado</translation>
    </message>
    <message>
        <source>You peeked!</source>
        <translation>¡Has mirado!</translation>
    </message>
    <message>
        <source>Background picture</source>
        <translation>Imagen de fondo</translation>
    </message>
    <message>
        <source>You&apos;re done!</source>
        <translation>¡Ya has terminado!</translation>
    </message>
    <message>
        <source>!!!Way to go!!!</source>
        <translation>¡¡¡Bien hecho!!!</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Objetivo</translation>
    </message>
    <message>
        <source>Number %1 of the pool</source>
        <translation>Número %1 de la reserva</translation>
    </message>
    <message>
        <source>Your guess, cell %1</source>
        <translation>Tu intento, casilla %1</translation>
    </message>
    <message>
        <source>Operator between cells %1 and %2</source>
        <translation>Operador entre las casillas %1 y %2</translation>
    </message>
    <message>
        <source>Solution, cell %1</source>
        <translation>Solución, casilla %1</translation>
    </message>
    <message>
        <source>Solution, operator between cells %1 and %2</source>
        <translation>Solución, operador entre las casillas %1 y %2</translation>
    </message>
    <message>
        <source>Running total</source>
        <translation>Total acumulado</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Cronómetro</translation>
    </message>
    <message numerus="yes">
        <source>%n numbers</source>
        <translation>
            <numerusform>%n número</numerusform>
            <numerusform>%n números</numerusform>
        </translation>
    </message>
    <message>
        <source>Operator %1, drag it into your guess</source>
        <translation>Operador %1, arrástralo a tu intento</translation>
    </message>
    <message>
        <source>Total: %1.</source>
        <translation>Total: %1.</translation>
    </message>
    <message>
        <source>Between cells %1 and %2: nothing.</source>
        <translation>Entre las casillas %1 y %2: nada.</translation>
    </message>
    <message>
        <source>Between cells %1 and %2: %3.</source>
        <translation>Entre las casillas %1 y %2: %3.</translation>
    </message>
    <message>
        <source>Cell %1 empty.</source>
        <translation>Casilla %1 vacía.</translation>
    </message>
    <message>
        <source>Cell %1: %2.</source>
        <translation>Casilla %1: %2.</translation>
    </message>
    <message>
        <source>Solution between cells %1 and %2: %3.</source>
        <translation>Solución entre las casillas %1 y %2: %3.</translation>
    </message>
    <message>
        <source>Solution cell %1: %2.</source>
        <translation>Solución, casilla %1: %2.</translation>
    </message>
    <message>
        <source>No change.</source>
        <translation>Sin cambios.</translation>
    </message>
    <message>
        <source>Hint %1.</source>
        <translation>Pista %1.</translation>
    </message>
    <message>
        <source>Solution: %1.</source>
        <translation>Solución: %1.</translation>
    </message>
    <message>
        <source>Solution hidden.</source>
        <translation>Solución oculta.</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>más</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>menos</translation>
    </message>
    <message>
        <source>times</source>
        <translation>por</translation>
    </message>
    <message>
        <source>divide</source>
        <translation>dividido entre</translation>
    </message>
    <message>
        <source>Target %1. Numbers: %2.</source>
        <translation>Objetivo %1. Números: %2.</translation>
    </message>
    <message>
        <source>Holding %1.</source>
        <translation>En la mano: %1.</translation>
    </message>
    <message>
        <source>Put back.</source>
        <translation>Devuelto a su sitio.</translation>
    </message>
    <message numerus="yes">
        <source>Target %1. Total: %2. Clock: %3 seconds.</source>
        <translation>
            <numerusform>Objetivo %1. Total: %2. Cronómetro: %3 segundo.</numerusform>
            <numerusform>Objetivo %1. Total: %2. Cronómetro: %3 segundos.</numerusform>
        </translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>seg.</translation>
    </message>
    <message>
        <source>Who&apos;s Best?</source>
        <translation>¿Quién es el mejor?</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Tu nombre</translation>
    </message>
    <message>
        <source>What&apos;s your name?</source>
        <translation>¿Cómo te llamas?</translation>
    </message>
    <message>
        <source>I see a new record!</source>
        <translation>¡Nuevo récord!</translation>
    </message>
    <message>
        <source>A sailor looking out to sea</source>
        <translation>Un marinero que mira al mar</translation>
    </message>
    <message>
        <source>Congratulations!</source>
        <translation>¡Enhorabuena!</translation>
    </message>
    <message>
        <source>Figurewheel pinwheel</source>
        <translation>Molinillo de Figurewheel</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Beta version for testing only!</source>
        <translation>¡Versión beta, solo para pruebas!</translation>
    </message>
    <message>
        <source>About Figurewheel</source>
        <translation>Acerca de Figurewheel</translation>
    </message>
    <message>
        <source>How do I play Figurewheel?</source>
        <translation>¿Cómo se juega a Figurewheel?</translation>
    </message>
    <message>
        <source>How to play: choose how many numbers, drag numbers and operators into your guess until it matches the target, and use Answer or Hint when you are stuck</source>
        <translation>Cómo jugar: elige cuántos números quieres, arrastra números y operadores a tu intento hasta que coincida con el objetivo, y usa Solución o Pista si te atascas</translation>
    </message>
    <message>
        <source>Click here to solve your own puzzle!</source>
        <translation>¡Pulsa aquí para resolver tu propio reto!</translation>
    </message>
    <message>
        <source>Solve the Puzzle!</source>
        <translation>¡Resuelve el reto!</translation>
    </message>
    <message>
        <source>Can you add, subtract, multiply and divide these numbers:</source>
        <translation>¿Puedes sumar, restar, multiplicar y dividir estos números</translation>
    </message>
    <message>
        <source>To get this answer:</source>
        <translation>para obtener este resultado?</translation>
    </message>
    <message>
        <source>Here&apos;s the solution:</source>
        <translation>Esta es la solución:</translation>
    </message>
    <message>
        <source>Now solve your own puzzle!</source>
        <translation>¡Ahora resuelve tu propio reto!</translation>
    </message>
    <message>
        <source>Thanks for Trying Figurewheel!</source>
        <translation>¡Gracias por probar Figurewheel!</translation>
    </message>
    <message>
        <source>Drag numbers and operators here until your guess matches the target box!</source>
        <translation>¡Arrastra aquí números y operadores hasta que tu intento coincida con el objetivo!</translation>
    </message>
    <message>
        <source>Click here to see the answer</source>
        <translation>Pulsa para ver la solución</translation>
    </message>
    <message>
        <source>Click here for a hint</source>
        <translation>Pide aquí una pista</translation>
    </message>
    <message>
        <source>from Fig Wheeler</source>
        <translation>de Fig Wheeler</translation>
    </message>
    <message>
        <source>Copyright 2001 Figurewheel Games</source>
        <translation>© 2001 Figurewheel Games</translation>
    </message>
    <message>
        <source>Fig Wheeler would love to hear what you think!</source>
        <translation>¡A Fig Wheeler le encantaría saber tu opinión!</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Versión %1.%2.%3</translation>
    </message>
    <message>
        <source>Celebration sound</source>
        <translation>Sonido de celebración</translation>
    </message>
</context>
</TS>
