<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>Figurewheel</name>
    <message>
        <source>Dancers celebrating your solve</source>
        <translation>Dançarinos festejam a sua vitória</translation>
    </message>
    <message>
        <source>A sun rising behind green hills</source>
        <translation>Um sol que nasce atrás de colinas verdes</translation>
    </message>
    <message>
        <source>Congratulations!  You did it!</source>
        <translation>Parabéns!  Conseguiu!</translation>
    </message>
    <message>
        <source>Who&apos;s the Best?</source>
        <translation>Quem é o melhor?</translation>
    </message>
    <message>
        <source>How Do I Play?</source>
        <translation>Como se joga?</translation>
    </message>
    <message>
        <source>Who Wrote Figurewheel?</source>
        <translation>Quem criou o Figurewheel?</translation>
    </message>
    <message>
        <source>How many numbers do you want?</source>
        <translation>Com quantos números quer jogar?</translation>
    </message>
    <message>
        <source>Hooray</source>
        <translation>Viva!</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Dica</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Solução</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Novo jogo</translation>
    </message>
    <message>
        <source>Welcome to Figurewheel! Make the target and beat the clock. - Fig W.</source>
        <translation>Bem-vindo ao Figurewheel! Atinja o alvo e vença o relógio. - Fig W.</translation>
    </message>
    <message>
        <source>Your Guess</source>
        <translation>A sua tentativa</translation>
    </message>
    <message>
        <source>To make this</source>
        <translation>Para obter</translation>
    </message>
    <message>
        <source>Combine these</source>
        <translation>Combine estes</translation>
    </message>
    <message>
        <source>hints</source>
        <translation>dicas</translation>
    </message>
    <message>
        <source>You&apos;ve used</source>
        <translation>Já usou</translation>
    </message>
    <message>
        <source>You peeked!</source>
        <translation>Viu a solução!</translation>
    </message>
    <message>
        <source>Background picture</source>
        <translation>Imagem de fundo</translation>
    </message>
    <message>
        <source>You&apos;re done!</source>
        <translation>Terminou!</translation>
    </message>
    <message>
        <source>!!!Way to go!!!</source>
        <translation>!!!Muito bem!!!</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Alvo</translation>
    </message>
    <message>
        <source>Number %1 of the pool</source>
        <translation>Número %1 da reserva</translation>
    </message>
    <message>
        <source>Your guess, cell %1</source>
        <translation>A sua tentativa, casa %1</translation>
    </message>
    <message>
        <source>Operator between cells %1 and %2</source>
        <translation>Operador entre as casas %1 e %2</translation>
    </message>
    <message>
        <source>Solution, cell %1</source>
        <translation>Solução, casa %1</translation>
    </message>
    <message>
        <source>Solution, operator between cells %1 and %2</source>
        <translation>Solução, operador entre as casas %1 e %2</translation>
    </message>
    <message>
        <source>Running total</source>
        <translation>Total acumulado</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Relógio</translation>
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
        <translation>Operador %1, arraste-o para a sua tentativa</translation>
    </message>
    <message>
        <source>Total: %1.</source>
        <translation>Total: %1.</translation>
    </message>
    <message>
        <source>Between cells %1 and %2: nothing.</source>
        <translation>Entre as casas %1 e %2: nada.</translation>
    </message>
    <message>
        <source>Between cells %1 and %2: %3.</source>
        <translation>Entre as casas %1 e %2: %3.</translation>
    </message>
    <message>
        <source>Cell %1 empty.</source>
        <translation>Casa %1 vazia.</translation>
    </message>
    <message>
        <source>Cell %1: %2.</source>
        <translation>Casa %1: %2.</translation>
    </message>
    <message>
        <source>Solution between cells %1 and %2: %3.</source>
        <translation>Solução entre as casas %1 e %2: %3.</translation>
    </message>
    <message>
        <source>Solution cell %1: %2.</source>
        <translation>Solução, casa %1: %2.</translation>
    </message>
    <message>
        <source>No change.</source>
        <translation>Nada mudou.</translation>
    </message>
    <message>
        <source>Hint %1.</source>
        <translation>Dica %1.</translation>
    </message>
    <message>
        <source>Solution: %1.</source>
        <translation>Solução: %1.</translation>
    </message>
    <message>
        <source>Solution hidden.</source>
        <translation>Solução oculta.</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>mais</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>menos</translation>
    </message>
    <message>
        <source>times</source>
        <translation>vezes</translation>
    </message>
    <message>
        <source>divide</source>
        <translation>dividido por</translation>
    </message>
    <message>
        <source>Target %1. Numbers: %2.</source>
        <translation>Alvo %1. Números: %2.</translation>
    </message>
    <message>
        <source>Holding %1.</source>
        <translation>Na mão: %1.</translation>
    </message>
    <message>
        <source>Put back.</source>
        <translation>Devolvido ao lugar.</translation>
    </message>
    <message numerus="yes">
        <source>Target %1. Total: %2. Clock: %3 seconds.</source>
        <translation>
            <numerusform>Alvo %1. Total: %2. Segundos no relógio: %3.</numerusform>
            <numerusform>Alvo %1. Total: %2. Segundos no relógio: %3.</numerusform>
        </translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>seg.</translation>
    </message>
    <message>
        <source>Who&apos;s Best?</source>
        <translation>Quem é o melhor?</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>O seu nome</translation>
    </message>
    <message>
        <source>What&apos;s your name?</source>
        <translation>Qual é o seu nome?</translation>
    </message>
    <message>
        <source>I see a new record!</source>
        <translation>Novo recorde!</translation>
    </message>
    <message>
        <source>A sailor looking out to sea</source>
        <translation>Um marinheiro que olha o mar</translation>
    </message>
    <message>
        <source>Congratulations!</source>
        <translation>Parabéns!</translation>
    </message>
    <message>
        <source>Figurewheel pinwheel</source>
        <translation>Cata-vento do Figurewheel</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Beta version for testing only!</source>
        <translation>Versão beta, só para testes!</translation>
    </message>
    <message>
        <source>About Figurewheel</source>
        <translation>Sobre o Figurewheel</translation>
    </message>
    <message>
        <source>How do I play Figurewheel?</source>
        <translation>Como se joga o Figurewheel?</translation>
    </message>
    <message>
        <source>How to play: choose how many numbers, drag numbers and operators into your guess until it matches the target, and use Answer or Hint when you are stuck</source>
        <translation>Como jogar: escolha quantos números quer, arraste números e operadores para a sua tentativa até ela igualar o alvo e use Solução ou Dica quando não souber continuar</translation>
    </message>
    <message>
        <source>Click here to solve your own puzzle!</source>
        <translation>Clique aqui para resolver o seu desafio!</translation>
    </message>
    <message>
        <source>Solve the Puzzle!</source>
        <translation>Aceite o desafio!</translation>
    </message>
    <message>
        <source>Can you add, subtract, multiply and divide these numbers:</source>
        <translation>Consegue somar, subtrair, multiplicar e dividir estes números</translation>
    </message>
    <message>
        <source>To get this answer:</source>
        <translation>para chegar a este resultado?</translation>
    </message>
    <message>
        <source>Here&apos;s the solution:</source>
        <translation>Eis a solução:</translation>
    </message>
    <message>
        <source>Now solve your own puzzle!</source>
        <translation>Agora resolva o seu desafio!</translation>
    </message>
    <message>
        <source>Thanks for Trying Figurewheel!</source>
        <translation>Obrigado por experimentar o Figurewheel!</translation>
    </message>
    <message>
        <source>Drag numbers and operators here until your guess matches the target box!</source>
        <translation>Arraste aqui números e operadores até a sua tentativa igualar o alvo!</translation>
    </message>
    <message>
        <source>Click here to see the answer</source>
        <translation>Clique aqui e veja a solução</translation>
    </message>
    <message>
        <source>Click here for a hint</source>
        <translation>Peça aqui uma dica</translation>
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
        <translation>Fig Wheeler adoraria saber a sua opinião!</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Versão %1.%2.%3</translation>
    </message>
    <message>
        <source>Celebration sound</source>
        <translation>Som de comemoração</translation>
    </message>
</context>
</TS>
