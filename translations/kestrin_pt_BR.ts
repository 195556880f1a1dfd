<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>CCopyPasteTutorialDlg</name>
    <message>
        <source>Internal Error:  Contact %1.</source>
        <translation>Erro interno: entre em contato com %1.</translation>
    </message>
</context>
<context>
    <name>CDialog</name>
    <message>
        <source>Window menu</source>
        <translation>Menu da janela</translation>
    </message>
</context>
<context>
    <name>CDoubleClickTutorialDlg</name>
    <message>
        <source>After starting the tutorial this text will be replaced with statistics about your progress.</source>
        <translation>Quando você começar o tutorial, este texto será substituído por estatísticas sobre o seu progresso.</translation>
    </message>
</context>
<context>
    <name>CWebLinkStatic</name>
    <message>
        <source>The operating system is out
of memory or resources.</source>
        <translation>O sistema operacional está sem
memória ou recursos.</translation>
    </message>
    <message>
        <source>The specified file was not found.</source>
        <translation>O arquivo especificado não foi encontrado.</translation>
    </message>
    <message>
        <source>The specified path was not found.</source>
        <translation>O caminho especificado não foi encontrado.</translation>
    </message>
    <message>
        <source>The operating system denied
access to the specified file.</source>
        <translation>O sistema operacional negou
o acesso ao arquivo especificado.</translation>
    </message>
    <message>
        <source>There was not enough memory to complete the operation.</source>
        <translation>Não havia memória suficiente para concluir a operação.</translation>
    </message>
    <message>
        <source>The .EXE file is invalid
(non-Win32 .EXE or error in .EXE image).</source>
        <translation>O arquivo .EXE é inválido
(.EXE não Win32 ou erro na imagem do .EXE).</translation>
    </message>
    <message>
        <source>A sharing violation occurred. </source>
        <translation>Ocorreu uma violação de compartilhamento. </translation>
    </message>
    <message>
        <source>The filename association is
incomplete or invalid.</source>
        <translation>O navegador da web padrão não conseguiu
abrir o endereço.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because the request timed out.</source>
        <translation>Não foi possível concluir a transação DDE
porque o tempo limite da solicitação expirou.</translation>
    </message>
    <message>
        <source>The DDE transaction failed.</source>
        <translation>A transação DDE falhou.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because other DDE transactions
were being processed.</source>
        <translation>Não foi possível concluir a transação DDE
porque outras transações DDE
estavam sendo processadas.</translation>
    </message>
    <message>
        <source>There is no application associated
with the given filename extension.</source>
        <translation>Nenhum navegador da web conseguiu
abrir o endereço.</translation>
    </message>
    <message>
        <source>The specified dynamic-link library was not found.</source>
        <translation>A biblioteca de vínculo dinâmico especificada não foi encontrada.</translation>
    </message>
    <message>
        <source>Unknown Error (%1) occurred.</source>
        <translation>Ocorreu um erro desconhecido (%1).</translation>
    </message>
    <message>
        <source>Unable to open hyperlink:

</source>
        <translation>Não foi possível abrir o link:

</translation>
    </message>
</context>
<context>
    <name>CopyPasteSteps</name>
    <message>
        <source>Waiting for tutorial to start.</source>
        <translation>Aguardando o início do tutorial.</translation>
    </message>
    <message>
        <source>Oops.. The text being copied has been modified.  This is not consistent with the expected results of the tutorial.  Please press the &quot;Start Over&quot; button.</source>
        <translation>Opa... O texto que está sendo copiado foi alterado. Isso não é o que o tutorial espera. Clique no botão “Recomeçar”.</translation>
    </message>
    <message>
        <source>Steps 1 &amp; 2 are Complete!  Good Job!<byte value="xd"/>
<byte value="xd"/>
You have selected the text as instructed! Now move on to Step 3.</source>
        <translation>Passos 1 e 2 concluídos! Muito bem!<byte value="xd"/>
<byte value="xd"/>
Você selecionou o texto como indicado! Agora siga para o Passo 3.</translation>
    </message>
    <message>
        <source>Oops... Something isn&apos;t quite right.  You had previously selected the text properly, but now the text window is not active so you will not be able to copy from it.  Please start over from Step 1.</source>
        <translation>Opa... Algo não está certo. Você tinha selecionado o texto corretamente, mas agora a janela do texto não está ativa, então não será possível copiar dela. Comece de novo pelo Passo 1.</translation>
    </message>
    <message>
        <source>Oops... The selected text isn&apos;t quite right.  Please start over at Step 1.</source>
        <translation>Opa... O texto selecionado não está certo. Comece de novo pelo Passo 1.</translation>
    </message>
    <message>
        <source>Oops... The starting position of the selected text isn&apos;t right.  Please start over at Step 1.</source>
        <translation>Opa... O início do texto selecionado não está no lugar certo. Comece de novo pelo Passo 1.</translation>
    </message>
    <message>
        <source>You&apos;re on the right track.  Keep selecting...</source>
        <translation>Você está no caminho certo. Continue selecionando...</translation>
    </message>
    <message>
        <source>Step 3 is Complete!  Good Job!<byte value="xd"/>
<byte value="xd"/>
You have copied the text as instructed!  Now move on to Step 4.</source>
        <translation>Passo 3 concluído! Muito bem!<byte value="xd"/>
<byte value="xd"/>
Você copiou o texto como indicado! Agora siga para o Passo 4.</translation>
    </message>
    <message>
        <source>Oops!  Something went wrong.  You need to select the text again.  Please start over at Step 1.</source>
        <translation>Opa! Algo deu errado. Você precisa selecionar o texto outra vez. Comece de novo pelo Passo 1.</translation>
    </message>
    <message>
        <source>Step 4 is Complete!  Good Job!<byte value="xd"/>
<byte value="xd"/>
You have positioned the insertion pointer to the right text box!  Now move on to Step 5.</source>
        <translation>Passo 4 concluído! Muito bem!<byte value="xd"/>
<byte value="xd"/>
Você colocou o ponto de inserção na caixa de texto certa! Agora siga para o Passo 5.</translation>
    </message>
    <message>
        <source>Oops!  Something went wrong.  You still need to complete Step 4.</source>
        <translation>Opa! Algo deu errado. Você ainda precisa concluir o Passo 4.</translation>
    </message>
    <message>
        <source>Congratulations!  You did it!<byte value="xd"/>
<byte value="xd"/>
You successfully copied and pasted text from one window to another!</source>
        <translation>Parabéns! Você conseguiu!<byte value="xd"/>
<byte value="xd"/>
Você copiou e colou texto de uma janela para outra!</translation>
    </message>
    <message>
        <source>Here is the text that you will select for your tutorial on cut/copy/paste - stop here</source>
        <translation>Este é o texto que você vai selecionar no seu tutorial de recortar/copiar/colar - pare aqui</translation>
    </message>
    <message>
        <source>Please start the tutorial at Step 1.  As you complete the steps, this status area will track your progress.  Check back here to see how you are progressing.</source>
        <translation>Comece o tutorial pelo Passo 1. À medida que você concluir os passos, esta área vai mostrar o seu progresso. Olhe aqui de vez em quando para ver como você está indo.</translation>
    </message>
</context>
<context>
    <name>DoubleClick</name>
    <message>
        <source>Double Clicks	:	</source>
        <translation>Cliques duplos	:	</translation>
    </message>
    <message>
        <source>Too Slow				:	</source>
        <translation>Lentos demais	:	</translation>
    </message>
    <message>
        <source>Mouse Moved	:	</source>
        <translation>Mouse movido	:	</translation>
    </message>
    <message>
        <source>Single Click			:	</source>
        <translation>Cliques simples	:	</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>Total						:	</source>
        <translation>Total	:	</translation>
    </message>
    <message>
        <source>First click... Now quickly click again!</source>
        <translation>Primeiro clique... Agora clique de novo, rápido!</translation>
    </message>
    <message>
        <source>Sorry.  Not quite fast enough.<byte value="xd"/>
<byte value="xd"/>
Try again, but click faster.</source>
        <translation>Desculpe. Não foi rápido o suficiente.<byte value="xd"/>
<byte value="xd"/>
Tente de novo, mas clique mais rápido.</translation>
    </message>
    <message>
        <source>Sorry.  You moved the mouse between the first and second click.<byte value="xd"/>
<byte value="xd"/>
Try again, but keep the mouse in the same position while double clicking.</source>
        <translation>Desculpe. Você moveu o mouse entre o primeiro e o segundo clique.<byte value="xd"/>
<byte value="xd"/>
Tente de novo, mas mantenha o mouse parado enquanto clica duas vezes.</translation>
    </message>
    <message>
        <source>Success!  <byte value="xd"/>
<byte value="xd"/>
You successfully double clicked the mouse!</source>
        <translation>Sucesso!<byte value="xd"/>
<byte value="xd"/>
Você deu um clique duplo com o mouse!</translation>
    </message>
    <message>
        <source>Try Again... You have to click twice.</source>
        <translation>Tente de novo... Você precisa clicar duas vezes.</translation>
    </message>
    <message>
        <source>Try Again... Your second click was not quite fast enough.<byte value="xd"/>
<byte value="xd"/>
Remember to click faster.</source>
        <translation>Tente de novo... O seu segundo clique não foi rápido o suficiente.<byte value="xd"/>
<byte value="xd"/>
Lembre-se de clicar mais rápido.</translation>
    </message>
    <message>
        <source>Try Again... <byte value="xd"/>
<byte value="xd"/>
Remember to keep the mouse in the same position while double clicking.</source>
        <translation>Tente de novo...<byte value="xd"/>
<byte value="xd"/>
Lembre-se de manter o mouse parado enquanto clica duas vezes.</translation>
    </message>
    <message>
        <source>Practice makes perfect! <byte value="xd"/>
<byte value="xd"/>
See how many times in a row you can double click.</source>
        <translation>A prática leva à perfeição!<byte value="xd"/>
<byte value="xd"/>
Veja quantos cliques duplos seguidos você consegue dar.</translation>
    </message>
</context>
<context>
    <name>DragDrop</name>
    <message>
        <source>Click and Drag Me</source>
        <translation>Clique e me arraste</translation>
    </message>
    <message>
        <source>Destination Folder</source>
        <translation>Pasta de destino</translation>
    </message>
    <message>
        <source>Source Folder</source>
        <translation>Pasta de origem</translation>
    </message>
    <message>
        <source>Another File</source>
        <translation>Outro arquivo</translation>
    </message>
    <message>
        <source>Just Another Folder</source>
        <translation>Só mais uma pasta</translation>
    </message>
    <message>
        <source>Yet Another Folder</source>
        <translation>E mais outra pasta</translation>
    </message>
    <message>
        <source>Please start at Step 1 by placing the mouse over the tree item labeled &quot;Click and Drag Me&quot;.</source>
        <translation>Comece pelo Passo 1: coloque o ponteiro do mouse sobre o item da árvore chamado “Clique e me arraste”.</translation>
    </message>
    <message>
        <source>Great!<byte value="xd"/>
<byte value="xd"/>
You got Step 1.  You have got the mouse over the right tree item!  Please move on to Step 2.</source>
        <translation>Ótimo!<byte value="xd"/>
<byte value="xd"/>
Você concluiu o Passo 1. O ponteiro do mouse está sobre o item certo da árvore! Agora siga para o Passo 2.</translation>
    </message>
    <message>
        <source>Great!<byte value="xd"/>
<byte value="xd"/>
You got Step 2.  You clicked the right tree item!  Please continue to Step 3.</source>
        <translation>Ótimo!<byte value="xd"/>
<byte value="xd"/>
Você concluiu o Passo 2. Você clicou no item certo da árvore! Agora continue com o Passo 3.</translation>
    </message>
    <message>
        <source>Oops... You clicked on the correct tree item, but you need to continue to hold the mouse down to complete Step 2.  Please try again.</source>
        <translation>Opa... Você clicou no item certo da árvore, mas precisa continuar segurando o botão do mouse para concluir o Passo 2. Tente de novo.</translation>
    </message>
    <message>
        <source>Super!<byte value="xd"/>
<byte value="xd"/>
You got Step 3.  You are dragging the tree item!  Now just keep dragging until the cursor is over the &quot;Destination Folder&quot;.</source>
        <translation>Excelente!<byte value="xd"/>
<byte value="xd"/>
Você concluiu o Passo 3. Você está arrastando o item da árvore! Agora é só continuar arrastando até o ponteiro ficar sobre a “Pasta de destino”.</translation>
    </message>
    <message>
        <source>Oops!<byte value="xd"/>
<byte value="xd"/>
You are dragging the wrong item.  Please press the &quot;Start Over&quot; button.</source>
        <translation>Opa!<byte value="xd"/>
<byte value="xd"/>
Você está arrastando o item errado. Clique no botão “Recomeçar”.</translation>
    </message>
    <message>
        <source>Congratulations!  You got it!<byte value="xd"/>
<byte value="xd"/>
If you would like to try again, please press the &quot;Start Over&quot; button.</source>
        <translation>Parabéns! Você conseguiu!<byte value="xd"/>
<byte value="xd"/>
Se quiser tentar de novo, clique no botão “Recomeçar”.</translation>
    </message>
    <message>
        <source>Sorry.  You didn&apos;t drop onto the correct tree item.  Please press the &quot;Start Over&quot; button to try again.</source>
        <translation>Desculpe. Você não soltou o item no lugar certo da árvore. Clique no botão “Recomeçar” para tentar de novo.</translation>
    </message>
    <message>
        <source>Please press the &quot;Start Over&quot; button to begin the tutorial again.</source>
        <translation>Clique no botão “Recomeçar” para começar o tutorial de novo.</translation>
    </message>
</context>
<context>
    <name>Layout</name>
    <message>
        <source>&amp;About Vellumark Kestrin...</source>
        <translation>&amp;Sobre o Vellumark Kestrin...</translation>
    </message>
    <message>
        <source>About Vellumark Kestrin</source>
        <translation>Sobre o Vellumark Kestrin</translation>
    </message>
    <message>
        <source>Kestrin</source>
        <translation>Kestrin</translation>
    </message>
    <message>
        <source>Kestrin Version 1.0</source>
        <translation>Kestrin versão 1.0</translation>
    </message>
    <message>
        <source>Copyright (C) 2026 Vellumark.  All rights reserved.</source>
        <translation>Copyright (C) 2026 Vellumark. Todos os direitos reservados.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Vellumark</source>
        <translation>Vellumark</translation>
    </message>
    <message>
        <source>Vellumark Kestrin</source>
        <translation>Vellumark Kestrin</translation>
    </message>
    <message>
        <source>Copy and Paste Tutorial</source>
        <translation>Copiar e colar</translation>
    </message>
    <message>
        <source>Drag and Drop Tutorial</source>
        <translation>Arrastar e soltar</translation>
    </message>
    <message>
        <source>Double Click Tutorial</source>
        <translation>Clique duplo</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Boas-vindas</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Vellumark banner</source>
        <translation>Banner do Vellumark</translation>
    </message>
    <message>
        <source>Would you like more help?  Visit our web site:</source>
        <translation>Quer mais ajuda? Visite o nosso site:</translation>
    </message>
    <message>
        <source>Tutorials</source>
        <translation>Tutoriais</translation>
    </message>
    <message>
        <source>Vellumark - Copy and Paste Tutorial</source>
        <translation>Vellumark – Tutorial de copiar e colar</translation>
    </message>
    <message>
        <source>Step 1:</source>
        <translation>Passo 1:</translation>
    </message>
    <message>
        <source>Put the mouse pointer just to the left of the capital &quot;H&quot; in the box below (marked &quot;#1&quot;), then press the left mouse button and hold it down.</source>
        <translation>Coloque o ponteiro do mouse logo à esquerda do “E” maiúsculo na caixa abaixo (marcado com “#1”). Depois pressione o botão esquerdo do mouse e mantenha-o pressionado.</translation>
    </message>
    <message>
        <source>Step 2:</source>
        <translation>Passo 2:</translation>
    </message>
    <message>
        <source>Keep holding the button and drag the mouse to the right and down until the pointer is just past the lowercase &quot;e&quot; of &quot;stop here&quot; (marked &quot;#2&quot;), then let go.  This is called &quot;Selecting Text&quot;.</source>
        <translation>Mantenha o botão pressionado e arraste o mouse para a direita e para baixo até o ponteiro passar um pouquinho do “i” minúsculo de “pare aqui” (marcado com “#2”). Depois solte o botão. Isso se chama “Selecionar texto”.</translation>
    </message>
    <message>
        <source>Step 3:</source>
        <translation>Passo 3:</translation>
    </message>
    <message>
        <source>Hold down the &quot;Ctrl&quot; key, press the &quot;c&quot; key once, then let go of both.  This is called &quot;Copying Text&quot;.</source>
        <translation>Mantenha pressionada a tecla “Ctrl”, pressione a tecla “c” uma vez e depois solte as duas. Isso se chama “Copiar texto”.</translation>
    </message>
    <message>
        <source>Step 4:</source>
        <translation>Passo 4:</translation>
    </message>
    <message>
        <source>Click once inside the lower box.  This puts the insertion pointer (the blinking line) there.</source>
        <translation>Clique uma vez dentro da caixa de baixo. Isso coloca ali o ponto de inserção (a linha que pisca).</translation>
    </message>
    <message>
        <source>Step 5:</source>
        <translation>Passo 5:</translation>
    </message>
    <message>
        <source>Hold down the &quot;Ctrl&quot; key, press the &quot;v&quot; key once, then let go of both.  This is called &quot;Pasting Text&quot;.</source>
        <translation>Mantenha pressionada a tecla “Ctrl”, pressione a tecla “v” uma vez e depois solte as duas. Isso se chama “Colar texto”.</translation>
    </message>
    <message>
        <source>Practice text</source>
        <translation>Texto de prática</translation>
    </message>
    <message>
        <source>Marker #1</source>
        <translation>Marcador #1</translation>
    </message>
    <message>
        <source>Marker #2</source>
        <translation>Marcador #2</translation>
    </message>
    <message>
        <source>Paste target</source>
        <translation>Local para colar</translation>
    </message>
    <message>
        <source>Start Over</source>
        <translation>Recomeçar</translation>
    </message>
    <message>
        <source>Vellumark - Double Click Tutorial</source>
        <translation>Vellumark – Tutorial de clique duplo</translation>
    </message>
    <message>
        <source>Move the mouse pointer over the red square below.</source>
        <translation>Coloque o ponteiro do mouse sobre o quadrado vermelho abaixo.</translation>
    </message>
    <message>
        <source>Click and release the left mouse button, then click and release it again as quickly as you can.</source>
        <translation>Pressione e solte o botão esquerdo do mouse e, logo em seguida, pressione e solte de novo, o mais rápido que puder.</translation>
    </message>
    <message>
        <source>Important Hints</source>
        <translation>Dicas importantes</translation>
    </message>
    <message>
        <source>Click twice in rapid succession and keep the mouse still between the two clicks.  This tutorial measures both: how fast you click and whether the mouse moved.</source>
        <translation>Clique duas vezes bem rápido e mantenha o mouse parado entre os dois cliques. Este tutorial mede as duas coisas: a rapidez dos seus cliques e se o mouse se moveu.</translation>
    </message>
    <message>
        <source>Visualize It</source>
        <translation>Veja como é</translation>
    </message>
    <message>
        <source>Tick the &quot;Show Me&quot; box to watch the slowest double click that your computer still accepts.  Untick it to stop.</source>
        <translation>Marque a caixa “Mostrar” para ver o clique duplo mais lento que o seu computador ainda aceita. Desmarque a caixa para parar.</translation>
    </message>
    <message>
        <source>Double-click target</source>
        <translation>Alvo do clique duplo</translation>
    </message>
    <message>
        <source>Show Me</source>
        <translation>Mostrar</translation>
    </message>
    <message>
        <source>Mouse, button pressed</source>
        <translation>Mouse, botão pressionado</translation>
    </message>
    <message>
        <source>Mouse, button released</source>
        <translation>Mouse, botão solto</translation>
    </message>
    <message>
        <source>Vellumark - Drag and Drop Tutorial</source>
        <translation>Vellumark – Tutorial de arrastar e soltar</translation>
    </message>
    <message>
        <source>Put the mouse pointer over the item labeled &quot;Click and Drag Me&quot; in the tree below.</source>
        <translation>Coloque o ponteiro do mouse sobre o item “Clique e me arraste” na árvore abaixo.</translation>
    </message>
    <message>
        <source>Press the left mouse button and hold it down.  This begins the &quot;Drag&quot;.</source>
        <translation>Pressione o botão esquerdo do mouse e mantenha-o pressionado. Assim você começa a “arrastar”.</translation>
    </message>
    <message>
        <source>Keep holding the button and move the mouse over &quot;Destination Folder&quot;.  Watch the see-through picture of the item follow the pointer.</source>
        <translation>Mantenha o botão pressionado e leve o mouse até a “Pasta de destino”. Veja como a imagem transparente do item acompanha o ponteiro.</translation>
    </message>
    <message>
        <source>Let go of the button while the pointer is over &quot;Destination Folder&quot;.  This is the &quot;Drop&quot;.</source>
        <translation>Solte o botão enquanto o ponteiro estiver sobre a “Pasta de destino”. Isso se chama “soltar”.</translation>
    </message>
    <message>
        <source>When it is all right to let go, the folder under the pointer is highlighted in dark blue.</source>
        <translation>Quando já for possível soltar, a pasta embaixo do ponteiro fica destacada em azul-escuro.</translation>
    </message>
    <message>
        <source>Practice folders</source>
        <translation>Pastas de prática</translation>
    </message>
    <message>
        <source>Overview:</source>
        <translation>Visão geral:</translation>
    </message>
    <message>
        <source>Overview</source>
        <translation>Visão geral</translation>
    </message>
    <message>
        <source>Tutorial Status:</source>
        <translation>Progresso do tutorial:</translation>
    </message>
    <message>
        <source>Tutorial Status</source>
        <translation>Progresso do tutorial</translation>
    </message>
    <message>
        <source>Tutorial</source>
        <translation>Tutorial</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fechar</translation>
    </message>
</context>
</TS>
