<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
<context>
    <name>BoardReading</name>
    <message>
        <source>Water</source>
        <translation>Água</translation>
    </message>
    <message>
        <source>Lowland</source>
        <translation>Planície baixa</translation>
    </message>
    <message>
        <source>Grassland</source>
        <translation>Campo</translation>
    </message>
    <message>
        <source>Hills</source>
        <translation>Colinas</translation>
    </message>
    <message>
        <source>High hills</source>
        <translation>Colinas altas</translation>
    </message>
    <message>
        <source>Impassable ground</source>
        <translation>Terreno intransponível</translation>
    </message>
    <message>
        <source>Site on grassland</source>
        <translation>Jazida no campo</translation>
    </message>
    <message>
        <source>Site on hills</source>
        <translation>Jazida nas colinas</translation>
    </message>
    <message>
        <source>(%1,%2) %3</source>
        <translation>(%1,%2) %3</translation>
    </message>
    <message>
        <source>income %1</source>
        <translation>renda %1</translation>
    </message>
    <message>
        <source>defence %1</source>
        <translation>defesa %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>%1 · %2</source>
        <translation>%1 · %2</translation>
    </message>
    <message>
        <source>Your worth %1 · victory above %2 (%3 × Chaos&apos;s %4) · defeat below %5</source>
        <translation>Seu valor %1 · vitória acima de %2 (%3 × os %4 do Caos) · derrota abaixo de %5</translation>
    </message>
    <message>
        <source>Your worth is your money plus your units at their full price. At the end of a turn you win when it is above the victory line and lose when it is below the defeat line. During a turn, income, your losses, and Chaos&apos;s losses and loot move both sides.</source>
        <translation>Seu valor é o seu dinheiro mais as suas unidades pelo preço cheio. No fim de um turno você vence quando ele está acima da linha de vitória e perde quando está abaixo da linha de derrota. Durante um turno, a renda, as suas perdas e as perdas e o saque do Caos mexem com os dois lados.</translation>
    </message>
</context>
<context>
    <name>CAboutDialog</name>
    <message>
        <source>About Tarvell</source>
        <translation>Sobre o Tarvell</translation>
    </message>
    <message>
        <source>Tarvell Version %1</source>
        <translation>Tarvell versão %1</translation>
    </message>
    <message>
        <source>Defend your land.</source>
        <translation>Defenda a sua terra.</translation>
    </message>
    <message>
        <source>Chaos learns as you play.</source>
        <translation>O Caos aprende enquanto você joga.</translation>
    </message>
    <message>
        <source>Built on Qt 6.</source>
        <translation>Feito com Qt 6.</translation>
    </message>
</context>
<context>
    <name>CChaosWindow</name>
    <message>
        <source>Record: %1 won, %2 lost (%3 won)</source>
        <translation>Retrospecto: vitórias %1, derrotas %2 (aproveitamento %3)</translation>
    </message>
    <message>
        <source>Order by score</source>
        <translation>Ordenar por pontuação</translation>
    </message>
    <message>
        <source>Tarvell - Chaos</source>
        <translation>Tarvell - Caos</translation>
    </message>
    <message>
        <source>Each bar is one of Chaos&apos;s 250 strategies: how much better your side did than Chaos when the strategy was replayed against your positions (low is good for Chaos). Chaos plays the strategy whose score lies nearest the target; the target is 0, an even match, while you win at most half your games, and moves towards the lowest score the more you win.</source>
        <translation>Cada barra é uma das 250 estratégias do Caos: quanto melhor o seu lado se saiu do que o Caos quando a estratégia foi simulada de novo contra as suas posições (baixo é bom para o Caos). O Caos joga a estratégia cuja pontuação fica mais perto do alvo; o alvo é 0, uma partida equilibrada, enquanto você vencer no máximo metade das suas partidas, e se aproxima da menor pontuação quanto mais você vence.</translation>
    </message>
    <message>
        <source>Simulation: Chaos is replaying your last position under its 250 strategies...</source>
        <translation>Simulação: o Caos está repetindo a sua última posição com as suas 250 estratégias...</translation>
    </message>
    <message>
        <source>Simulation: none running; the scores are up to date.</source>
        <translation>Simulação: nenhuma em andamento; as pontuações estão atualizadas.</translation>
    </message>
    <message>
        <source>%1   Profile: %2</source>
        <translation>%1   Perfil: %2</translation>
    </message>
    <message>
        <source>Strategy in play: %1 (score %2)</source>
        <translation>Estratégia em jogo: %1 (pontuação %2)</translation>
    </message>
    <message>
        <source>Strategy in play: none yet</source>
        <translation>Estratégia em jogo: ainda nenhuma</translation>
    </message>
    <message>
        <source>Target the record sets now: %1 (nearest: strategy %2)</source>
        <translation>Alvo que o retrospecto define agora: %1 (mais próxima: estratégia %2)</translation>
    </message>
    <message>
        <source>Mode in play: Classic (Chaos&apos;s purse is the same for every player)</source>
        <translation>Modo em jogo: Clássico (o cofre do Caos é o mesmo para todos os jogadores)</translation>
    </message>
    <message>
        <source>Mode in play: Adaptive: Chaos&apos;s starting money and income ×%1, from your record of %2 won, %3 lost</source>
        <translation>Modo em jogo: Adaptativo: dinheiro inicial e renda do Caos ×%1, pelo seu retrospecto (vitórias %2, derrotas %3)</translation>
    </message>
    <message>
        <source>Mode in play: Adaptive: Chaos&apos;s starting money and income ×%1; your record of %2 won, %3 lost sets ×%4 for the next game</source>
        <translation>Modo em jogo: Adaptativo: dinheiro inicial e renda do Caos ×%1; seu retrospecto (vitórias %2, derrotas %3) define ×%4 para a próxima partida</translation>
    </message>
    <message>
        <source>From the next new game: Adaptive</source>
        <translation>A partir do próximo jogo: Adaptativo</translation>
    </message>
    <message>
        <source>From the next new game: Classic</source>
        <translation>A partir do próximo jogo: Clássico</translation>
    </message>
</context>
<context>
    <name>CHowToPlayWindow</name>
    <message>
        <source>How to Play Tarvell</source>
        <translation>Como jogar Tarvell</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>CAP</source>
        <translation>CAP</translation>
    </message>
    <message>
        <source>NUM</source>
        <translation>NUM</translation>
    </message>
    <message>
        <source>SCRL</source>
        <translation>SCRL</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Novo jogo</translation>
    </message>
    <message>
        <source>Create a new game
New Game</source>
        <translation>Cria um novo jogo
Novo jogo</translation>
    </message>
    <message>
        <source>&amp;New User...</source>
        <translation>Novo &amp;usuário...</translation>
    </message>
    <message>
        <source>Creates a new user profile
New User</source>
        <translation>Cria um novo perfil de usuário
Novo usuário</translation>
    </message>
    <message>
        <source>&amp;Select User...</source>
        <translation>&amp;Selecionar usuário...</translation>
    </message>
    <message>
        <source>Selects another user&apos;s profile
Select User</source>
        <translation>Seleciona o perfil de outro usuário
Selecionar usuário</translation>
    </message>
    <message>
        <source>Recent File</source>
        <translation>Arquivo recente</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Sai&amp;r</translation>
    </message>
    <message>
        <source>Quit the game
Exit</source>
        <translation>Sai do jogo
Sair</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>&amp;Barra de status</translation>
    </message>
    <message>
        <source>Show or hide the status bar
Toggle StatusBar</source>
        <translation>Mostra ou oculta a barra de status
Alternar barra de status</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opções</translation>
    </message>
    <message>
        <source>Show the Options Dialog
Show Options Dialog</source>
        <translation>Mostra a janela de opções
Mostrar opções</translation>
    </message>
    <message>
        <source>&amp;Chaos...</source>
        <translation>&amp;Caos...</translation>
    </message>
    <message>
        <source>Show what Chaos has learned about you
Chaos</source>
        <translation>Mostra o que o Caos aprendeu sobre você
Caos</translation>
    </message>
    <message>
        <source>Zoom &amp;100 %</source>
        <translation>Zoom de &amp;100 %</translation>
    </message>
    <message>
        <source>Show the board at its own size
Zoom 100 %</source>
        <translation>Mostra o tabuleiro no tamanho original
Zoom de 100 %</translation>
    </message>
    <message>
        <source>Zoom 1&amp;50 %</source>
        <translation>Zoom de 1&amp;50 %</translation>
    </message>
    <message>
        <source>Show the board half as large again
Zoom 150 %</source>
        <translation>Mostra o tabuleiro uma vez e meia maior
Zoom de 150 %</translation>
    </message>
    <message>
        <source>Zoom &amp;200 %</source>
        <translation>Zoom de &amp;200 %</translation>
    </message>
    <message>
        <source>Show the board at twice its size
Zoom 200 %</source>
        <translation>Mostra o tabuleiro com o dobro do tamanho
Zoom de 200 %</translation>
    </message>
    <message>
        <source>&amp;About Tarvell...</source>
        <translation>&amp;Sobre o Tarvell...</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright
About</source>
        <translation>Mostra informações do programa, número da versão e direitos autorais
Sobre</translation>
    </message>
    <message>
        <source>&amp;How to Play</source>
        <translation>&amp;Como jogar</translation>
    </message>
    <message>
        <source>Explain the goal, the units, the barbarians and a turn
How to Play</source>
        <translation>Explica o objetivo, as unidades, os bárbaros e um turno
Como jogar</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Exibir</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <source>Open this document</source>
        <translation>Abre este documento</translation>
    </message>
    <message>
        <source>Tarvell</source>
        <translation>Tarvell</translation>
    </message>
    <message>
        <source>%1 - %2</source>
        <translation>%1 - %2</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Pronto</translation>
    </message>
    <message>
        <source>&amp;Terrain Overlay</source>
        <translation>Sobreposição de &amp;terreno</translation>
    </message>
    <message>
        <source>Write each square&apos;s income and defence bonus on the board
Terrain Overlay</source>
        <translation>Escreve no tabuleiro o bônus de renda e de defesa de cada casa
Sobreposição de terreno</translation>
    </message>
    <message>
        <source>Turn &amp;Report</source>
        <translation>&amp;Relatório do turno</translation>
    </message>
    <message>
        <source>Show or hide the report of the last turn
Turn Report</source>
        <translation>Mostra ou oculta o relatório do último turno
Relatório do turno</translation>
    </message>
</context>
<context>
    <name>CNewUserDialog</name>
    <message>
        <source>New User</source>
        <translation>Novo usuário</translation>
    </message>
    <message>
        <source>Username:</source>
        <translation>Nome de usuário:</translation>
    </message>
</context>
<context>
    <name>COptionsDialog</name>
    <message>
        <source>&amp;Adaptive</source>
        <translation>&amp;Adaptativo</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opções</translation>
    </message>
    <message>
        <source>Slowest</source>
        <translation>Mais lento</translation>
    </message>
    <message>
        <source>Fastest</source>
        <translation>Mais rápido</translation>
    </message>
    <message>
        <source>Game Speed:</source>
        <translation>Velocidade do jogo:</translation>
    </message>
    <message>
        <source>&amp;Classic</source>
        <translation>&amp;Clássico</translation>
    </message>
    <message>
        <source>Chaos:</source>
        <translation>Caos:</translation>
    </message>
    <message>
        <source>A change of Chaos&apos;s mode applies from the next new game.</source>
        <translation>Uma mudança no modo do Caos vale a partir do próximo jogo.</translation>
    </message>
</context>
<context>
    <name>CRecentFileList</name>
    <message>
        <source>&amp;%1 %2</source>
        <translation>&amp;%1 %2</translation>
    </message>
</context>
<context>
    <name>CScoreChart</name>
    <message>
        <source>strategies, lowest score (best for Chaos) first</source>
        <translation>estratégias, da menor pontuação (a melhor para o Caos) à maior</translation>
    </message>
    <message>
        <source>strategies 0 to 249</source>
        <translation>estratégias 0 a 249</translation>
    </message>
    <message>
        <source>strategy %1 in play</source>
        <translation>estratégia %1 em jogo</translation>
    </message>
    <message>
        <source>target %1</source>
        <translation>alvo %1</translation>
    </message>
    <message>
        <source>Strategy %1: score %2 (in play)</source>
        <translation>Estratégia %1: pontuação %2 (em jogo)</translation>
    </message>
    <message>
        <source>Strategy %1: score %2</source>
        <translation>Estratégia %1: pontuação %2</translation>
    </message>
</context>
<context>
    <name>CTarvellDoc</name>
    <message>
        <source>Your game could not be kept in %1 (%2). It goes on.</source>
        <translation>Não foi possível guardar a sua partida em %1 (%2). A partida continua.</translation>
    </message>
    <message>
        <source>Your kept game %1 cannot be read (%2). A new game starts.</source>
        <translation>Não é possível ler a partida guardada %1 (%2). Começa uma nova partida.</translation>
    </message>
    <message>
        <source>Your kept game %1 cannot be read (%2); it was set aside as %3. A new game starts.</source>
        <translation>Não é possível ler a partida guardada %1 (%2); ela foi posta de lado como %3. Começa uma nova partida.</translation>
    </message>
    <message>
        <source>Tarvell User (*.tvu)</source>
        <translation>Usuário do Tarvell (*.tvu)</translation>
    </message>
    <message>
        <source>Your record could not be saved to %1 (%2). The games since its last save are not in it.</source>
        <translation>Não foi possível salvar o seu retrospecto em %1 (%2). As partidas desde o último salvamento não constam nele.</translation>
    </message>
    <message>
        <source>Your record could not be saved to %1 (%2). The game will try again at the next save.</source>
        <translation>Não foi possível salvar o seu retrospecto em %1 (%2). O jogo tentará de novo no próximo salvamento.</translation>
    </message>
    <message>
        <source>Cannot open %1: only Tarvell profiles (*.tvu) can be opened.</source>
        <translation>Não é possível abrir %1: só perfis do Tarvell (*.tvu) podem ser abertos.</translation>
    </message>
    <message>
        <source>%1 is in use by another Tarvell (process %2).</source>
        <translation>%1 está em uso por outro Tarvell (processo %2).</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>é uma pasta</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>não é um arquivo comum</translation>
    </message>
    <message>
        <source>Cannot open %1: %2.</source>
        <translation>Não é possível abrir %1: %2.</translation>
    </message>
</context>
<context>
    <name>CTarvellView</name>
    <message>
        <source>Scout</source>
        <translation>Batedor</translation>
    </message>
    <message>
        <source>(0-1-0)</source>
        <translation>(0-1-0)</translation>
    </message>
    <message>
        <source>Scavenger</source>
        <translation>Saqueador</translation>
    </message>
    <message>
        <source>(0-1-2)</source>
        <translation>(0-1-2)</translation>
    </message>
    <message>
        <source>Common</source>
        <translation>Comum</translation>
    </message>
    <message>
        <source>(6-3-0)</source>
        <translation>(6-3-0)</translation>
    </message>
    <message>
        <source>Amphibious</source>
        <translation>Anfíbio</translation>
    </message>
    <message>
        <source>Mobile</source>
        <translation>Móvel</translation>
    </message>
    <message>
        <source>(5-3-0)</source>
        <translation>(5-3-0)</translation>
    </message>
    <message>
        <source>Jump</source>
        <translation>Saltador</translation>
    </message>
    <message>
        <source>(6-2-0)</source>
        <translation>(6-2-0)</translation>
    </message>
    <message>
        <source>Kamikazee</source>
        <translation>Kamikaze</translation>
    </message>
    <message>
        <source>(K) 0-10-0)</source>
        <translation>(K) 0-10-0)</translation>
    </message>
    <message>
        <source>Armored</source>
        <translation>Blindado</translation>
    </message>
    <message>
        <source>(15-10-0)</source>
        <translation>(15-10-0)</translation>
    </message>
    <message>
        <source>Treasury</source>
        <translation>Tesouro</translation>
    </message>
    <message>
        <source>Turn</source>
        <translation>Turno</translation>
    </message>
    <message>
        <source>End Setup</source>
        <translation>Encerrar preparação</translation>
    </message>
    <message>
        <source>Ends your setup: Chaos plays one turn (F9). Asks first when more than $1000 would be left unspent.</source>
        <translation>Encerra a sua preparação: o Caos joga um turno (F9). Pergunta antes quando sobrariam mais de $1000 sem gastar.</translation>
    </message>
    <message>
        <source>Your Record</source>
        <translation>Seu retrospecto</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Tabuleiro</translation>
    </message>
</context>
<context>
    <name>CTurnReportDock</name>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Turn Report</source>
        <translation>Relatório do turno</translation>
    </message>
    <message>
        <source>No turn has been shown yet.</source>
        <translation>Nenhum turno foi mostrado ainda.</translation>
    </message>
    <message>
        <source>Turn %1</source>
        <translation>Turno %1</translation>
    </message>
    <message>
        <source>Income earned: %1</source>
        <translation>Renda obtida: %1</translation>
    </message>
    <message>
        <source>Sold to make room: %1 at (%2,%3) for %4</source>
        <translation>Vendido para abrir espaço: %1 em (%2,%3) por %4</translation>
    </message>
    <message>
        <source>Units lost: %1</source>
        <translation>Unidades perdidas: %1</translation>
    </message>
    <message>
        <source>Pick a lost unit to outline its square on the board.</source>
        <translation>Escolha uma unidade perdida para destacar a casa dela no tabuleiro.</translation>
    </message>
    <message>
        <source>%1 at (%2,%3), phase %4</source>
        <translation>%1 em (%2,%3), fase %4</translation>
    </message>
    <message>
        <source>Barbarians bought: %1 for %2</source>
        <translation>Bárbaros comprados: %1 por %2</translation>
    </message>
    <message>
        <source>Barbarians destroyed: %1</source>
        <translation>Bárbaros destruídos: %1</translation>
    </message>
    <message>
        <source>Barbarians gone home: %1, with %2 of loot</source>
        <translation>Bárbaros que voltaram para casa: %1, com %2 de saque</translation>
    </message>
    <message>
        <source>Chaos&apos;s gain: %1</source>
        <translation>Ganho do Caos: %1</translation>
    </message>
    <message>
        <source>The loot and prices of the barbarians gone home, less what Chaos spent on barbarians. Chaos&apos;s income for the next turn comes on top.</source>
        <translation>O saque e o preço dos bárbaros que voltaram para casa, menos o que o Caos gastou em bárbaros. A renda do Caos para o próximo turno vem por cima.</translation>
    </message>
    <message>
        <source>Destruction reports: %1</source>
        <translation>Relatos de destruição: %1</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Tarvell</source>
        <translation>Tarvell</translation>
    </message>
    <message>
        <source>Leaving this game counts as a loss. Are you sure?</source>
        <translation>Abandonar esta partida conta como derrota. Tem certeza?</translation>
    </message>
    <message>
        <source>Continue your game from turn %1?</source>
        <translation>Continuar a sua partida a partir do turno %1?</translation>
    </message>
    <message>
        <source>Choose another user, or play without saving your record.</source>
        <translation>Escolha outro usuário ou jogue sem salvar o seu retrospecto.</translation>
    </message>
    <message>
        <source>Are you sure?</source>
        <translation>Tem certeza?</translation>
    </message>
    <message>
        <source>This user model already exists. Do you want to overwrite it?</source>
        <translation>Este modelo de usuário já existe. Deseja sobrescrevê-lo?</translation>
    </message>
    <message>
        <source>Chaos has surrended. Congratulations, your forces are victorious!</source>
        <translation>O Caos se rendeu. Parabéns, as suas forças saíram vitoriosas!</translation>
    </message>
    <message>
        <source>Your forces have been vanquished. Chaos is victorious.</source>
        <translation>As suas forças foram derrotadas. O Caos saiu vitorioso.</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Sim</translation>
    </message>
    <message>
        <source>&amp;NO</source>
        <translation>&amp;Não</translation>
    </message>
    <message>
        <source>&amp;Keep for later</source>
        <translation>&amp;Guardar para depois</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Não</translation>
    </message>
    <message>
        <source>&amp;New User...</source>
        <translation>&amp;Novo usuário...</translation>
    </message>
    <message>
        <source>&amp;Select User...</source>
        <translation>&amp;Selecionar usuário...</translation>
    </message>
    <message>
        <source>&amp;Play Without Saving</source>
        <translation>&amp;Jogar sem salvar</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 is a folder</source>
        <translation>%1 é uma pasta</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 não é um arquivo comum</translation>
    </message>
    <message>
        <source>%1 is larger than %2 bytes</source>
        <translation>%1 tem mais de %2 bytes</translation>
    </message>
    <message>
        <source>The game&apos;s settings cannot be read (%1). It starts with its defaults and remembers no settings this time.</source>
        <translation>Não é possível ler as configurações do jogo (%1). Ele começa com os valores padrão e desta vez não guarda nenhuma configuração.</translation>
    </message>
</context>
<context>
    <name>UnitTexts</name>
    <message>
        <source>Drone</source>
        <translation>Drone</translation>
    </message>
    <message>
        <source>Mine</source>
        <translation>Mina</translation>
    </message>
    <message>
        <source>Farmer</source>
        <translation>Fazendeiro</translation>
    </message>
    <message>
        <source>Infantry</source>
        <translation>Infantaria</translation>
    </message>
    <message>
        <source>Settler</source>
        <translation>Colono</translation>
    </message>
    <message>
        <source>Armor</source>
        <translation>Tanque</translation>
    </message>
    <message>
        <source>Jammer</source>
        <translation>Bloqueador</translation>
    </message>
    <message>
        <source>Artillery</source>
        <translation>Artilharia</translation>
    </message>
    <message>
        <source>a Drone</source>
        <translation>um Drone</translation>
    </message>
    <message>
        <source>a Mine</source>
        <translation>uma Mina</translation>
    </message>
    <message>
        <source>a Farmer</source>
        <translation>um Fazendeiro</translation>
    </message>
    <message>
        <source>an Infantry</source>
        <translation>uma Infantaria</translation>
    </message>
    <message>
        <source>a Settler</source>
        <translation>um Colono</translation>
    </message>
    <message>
        <source>an Armor</source>
        <translation>um Tanque</translation>
    </message>
    <message>
        <source>a Jammer</source>
        <translation>um Bloqueador</translation>
    </message>
    <message>
        <source>an Artillery</source>
        <translation>uma Artilharia</translation>
    </message>
    <message>
        <source>Cheap income.</source>
        <translation>Renda barata.</translation>
    </message>
    <message>
        <source>The best income, but no defence to speak of.</source>
        <translation>A melhor renda, mas quase nenhuma defesa.</translation>
    </message>
    <message>
        <source>A sturdy defender.</source>
        <translation>Um defensor robusto.</translation>
    </message>
    <message>
        <source>Income and some defence.</source>
        <translation>Renda e alguma defesa.</translation>
    </message>
    <message>
        <source>The strongest defender.</source>
        <translation>O defensor mais forte.</translation>
    </message>
    <message>
        <source>Jams every square within 4: barbarians there learn nothing from their Scouts.</source>
        <translation>Bloqueia todas as casas a até 4 de distância: ali os bárbaros não ficam sabendo de nada pelos seus Batedores.</translation>
    </message>
    <message>
        <source>Scout</source>
        <translation>Batedor</translation>
    </message>
    <message>
        <source>Scavenger</source>
        <translation>Saqueador</translation>
    </message>
    <message>
        <source>Common Barbarian</source>
        <translation>Bárbaro Comum</translation>
    </message>
    <message>
        <source>Amphibious Barbarian</source>
        <translation>Bárbaro Anfíbio</translation>
    </message>
    <message>
        <source>Mobile Barbarian</source>
        <translation>Bárbaro Móvel</translation>
    </message>
    <message>
        <source>Jump Barbarian</source>
        <translation>Bárbaro Saltador</translation>
    </message>
    <message>
        <source>Kamikazee Barbarian</source>
        <translation>Bárbaro Kamikaze</translation>
    </message>
    <message>
        <source>Armored Barbarian</source>
        <translation>Bárbaro Blindado</translation>
    </message>
    <message>
        <source>Fights nobody; sees Mines, Artillery cover and jammed ground, and shows fighting barbarians where it stands.</source>
        <translation>Não combate; vê Minas, a área coberta pela Artilharia e o terreno bloqueado, e mostra aos bárbaros combatentes onde está.</translation>
    </message>
    <message>
        <source>Fights nobody; roams towards rich land and sites and plunders $2 plus the land&apos;s richness each time.</source>
        <translation>Não combate; vagueia rumo a terras ricas e jazidas e saqueia $2 mais a riqueza da terra a cada vez.</translation>
    </message>
    <message>
        <source>Attacks the unit ahead.</source>
        <translation>Ataca a unidade à frente.</translation>
    </message>
    <message>
        <source>Attacks the unit ahead; walks on water and may arrive on it.</source>
        <translation>Ataca a unidade à frente; anda sobre a água e pode surgir nela.</translation>
    </message>
    <message>
        <source>Attacks the unit ahead; acts twice a phase and senses Scouts further away.</source>
        <translation>Ataca a unidade à frente; age duas vezes por fase e percebe Batedores mais distantes.</translation>
    </message>
    <message>
        <source>Attacks the unit ahead; jumps over what blocks it and may strike the unit behind.</source>
        <translation>Ataca a unidade à frente; salta o que o bloqueia e pode atingir a unidade de trás.</translation>
    </message>
    <message>
        <source>Acts twice a phase; destroys the unit ahead, Mines excepted, and itself with it.</source>
        <translation>Age duas vezes por fase; destrói a unidade à frente, exceto Minas, e a si mesmo junto.</translation>
    </message>
    <message>
        <source>Attacks the unit ahead; clears Mines without harm.</source>
        <translation>Ataca a unidade à frente; desarma Minas sem sofrer dano.</translation>
    </message>
    <message>
        <source>$%1</source>
        <translation>$%1</translation>
    </message>
    <message>
        <source>Price %1; sells for %2.</source>
        <translation>Preço %1; revenda por %2.</translation>
    </message>
    <message>
        <source>no income</source>
        <translation>sem renda</translation>
    </message>
    <message>
        <source>income %1 a turn, more on rich land</source>
        <translation>renda de %1 por turno, mais em terra rica</translation>
    </message>
    <message>
        <source>No game in progress: start a new game with File &gt; New Game.</source>
        <translation>Nenhuma partida em andamento: comece uma com Arquivo &gt; Novo jogo.</translation>
    </message>
    <message>
        <source>%1: never attacked. A barbarian stepping on it must survive an attack of strength 10 (the Armored Barbarian clears it unharmed). %2</source>
        <translation>%1: nunca é atacada. Um bárbaro que pisa nela precisa sobreviver a um ataque de força 10 (o Bárbaro Blindado a desarma ileso). %2</translation>
    </message>
    <message>
        <source>%1: attack %2, defence %3, %4.</source>
        <translation>%1: ataque %2, defesa %3, %4.</translation>
    </message>
    <message>
        <source>Fires at every barbarian within 2 squares each phase: at strength 10 or 5 on its outer ring, 5 close by.</source>
        <translation>Atira a cada fase em todo bárbaro a até 2 casas: com força 10 ou 5 no anel externo, 5 de perto.</translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <translation>%1 %2 %3</translation>
    </message>
    <message>
        <source>%1: attack %2, defence %3. %4 Chaos pays %5 for one and gets it back if it survives the turn.</source>
        <translation>%1: ataque %2, defesa %3. %4 O Caos paga %5 por um e recebe o valor de volta se ele sobreviver ao turno.</translation>
    </message>
    <message>
        <source>Your money: buy units with it between turns.</source>
        <translation>O seu dinheiro: com ele você compra unidades entre os turnos.</translation>
    </message>
    <message>
        <source>Turns played. While a turn runs, its phase (0 to 49) follows in parentheses.</source>
        <translation>Turnos jogados. Durante um turno, a fase dele (0 a 49) aparece entre parênteses.</translation>
    </message>
    <message>
        <source>Games won and lost with this profile, and the share won.</source>
        <translation>Partidas vencidas e perdidas com este perfil, e o aproveitamento.</translation>
    </message>
    <message>
        <source>Water: nothing can be built here.</source>
        <translation>Água: nada pode ser construído aqui.</translation>
    </message>
    <message>
        <source>Impassable ground: nothing can be built here.</source>
        <translation>Terreno intransponível: nada pode ser construído aqui.</translation>
    </message>
    <message>
        <source>Occupied: %1 already stands here.</source>
        <translation>Ocupado: já há %1 aqui.</translation>
    </message>
    <message>
        <source>Nothing of yours to sell here.</source>
        <translation>Nada seu para vender aqui.</translation>
    </message>
    <message>
        <source>Not enough money: %1 costs %2.</source>
        <translation>Dinheiro insuficiente: %1 custa %2.</translation>
    </message>
    <message>
        <source>%1 destroyed at (%2,%3).</source>
        <translation>Unidade destruída em (%2,%3): %1.</translation>
    </message>
    <message>
        <source>Turn %1, Phase %2: %3</source>
        <translation>Turno %1, Fase %2: %3</translation>
    </message>
</context>
</TS>
