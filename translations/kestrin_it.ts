<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>CCopyPasteTutorialDlg</name>
    <message>
        <source>Internal Error:  Contact %1.</source>
        <translation>Errore interno: contatta %1.</translation>
    </message>
</context>
<context>
    <name>CDialog</name>
    <message>
        <source>Window menu</source>
        <translation>Menu della finestra</translation>
    </message>
</context>
<context>
    <name>CDoubleClickTutorialDlg</name>
    <message>
        <source>After starting the tutorial this text will be replaced with statistics about your progress.</source>
        <translation>Quando inizi la lezione, al posto di questo testo compariranno le statistiche sui tuoi progressi.</translation>
    </message>
</context>
<context>
    <name>CWebLinkStatic</name>
    <message>
        <source>The operating system is out
of memory or resources.</source>
        <translation>Il sistema operativo ha esaurito
la memoria o le risorse.</translation>
    </message>
    <message>
        <source>The specified file was not found.</source>
        <translation>Impossibile trovare il file specificato.</translation>
    </message>
    <message>
        <source>The specified path was not found.</source>
        <translation>Impossibile trovare il percorso specificato.</translation>
    </message>
    <message>
        <source>The operating system denied
access to the specified file.</source>
        <translation>Il sistema operativo ha negato
l&apos;accesso al file specificato.</translation>
    </message>
    <message>
        <source>There was not enough memory to complete the operation.</source>
        <translation>Memoria insufficiente per completare l&apos;operazione.</translation>
    </message>
    <message>
        <source>The .EXE file is invalid
(non-Win32 .EXE or error in .EXE image).</source>
        <translation>Il file .EXE non è valido
(.EXE non Win32 o errore nell&apos;immagine .EXE).</translation>
    </message>
    <message>
        <source>A sharing violation occurred. </source>
        <translation>Si è verificata una violazione di condivisione. </translation>
    </message>
    <message>
        <source>The filename association is
incomplete or invalid.</source>
        <translation>Il browser web predefinito non è riuscito
ad aprire l&apos;indirizzo.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because the request timed out.</source>
        <translation>Impossibile completare la transazione DDE
perché il tempo della richiesta è scaduto.</translation>
    </message>
    <message>
        <source>The DDE transaction failed.</source>
        <translation>La transazione DDE non è riuscita.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because other DDE transactions
were being processed.</source>
        <translation>Impossibile completare la transazione DDE
perché erano in corso
altre transazioni DDE.</translation>
    </message>
    <message>
        <source>There is no application associated
with the given filename extension.</source>
        <translation>Nessun browser web è riuscito
ad aprire l&apos;indirizzo.</translation>
    </message>
    <message>
        <source>The specified dynamic-link library was not found.</source>
        <translation>Impossibile trovare la libreria a collegamento dinamico specificata.</translation>
    </message>
    <message>
        <source>Unknown Error (%1) occurred.</source>
        <translation>Si è verificato un errore sconosciuto (%1).</translation>
    </message>
    <message>
        <source>Unable to open hyperlink:

</source>
        <translation>Impossibile aprire il collegamento:

</translation>
    </message>
</context>
<context>
    <name>CopyPasteSteps</name>
    <message>
        <source>Waiting for tutorial to start.</source>
        <translation>In attesa che la lezione cominci.</translation>
    </message>
    <message>
        <source>Oops.. The text being copied has been modified.  This is not consistent with the expected results of the tutorial.  Please press the &quot;Start Over&quot; button.</source>
        <translation>Ops... Il testo da copiare è stato modificato. Così la lezione non può dare il risultato previsto. Premi il pulsante «Ricomincia».</translation>
    </message>
    <message>
        <source>Steps 1 &amp; 2 are Complete!  Good Job!<byte value="xd"/>
<byte value="xd"/>
You have selected the text as instructed! Now move on to Step 3.</source>
        <translation>Passi 1 e 2 completati! Ottimo lavoro!<byte value="xd"/>
<byte value="xd"/>
Hai selezionato il testo come richiesto! Ora vai al passo 3.</translation>
    </message>
    <message>
        <source>Oops... Something isn&apos;t quite right.  You had previously selected the text properly, but now the text window is not active so you will not be able to copy from it.  Please start over from Step 1.</source>
        <translation>Ops... Qualcosa non va. Avevi selezionato bene il testo, ma ora la finestra del testo non è attiva, quindi non potrai copiarlo. Ricomincia dal passo 1.</translation>
    </message>
    <message>
        <source>Oops... The selected text isn&apos;t quite right.  Please start over at Step 1.</source>
        <translation>Ops... Il testo selezionato non è proprio quello giusto. Ricomincia dal passo 1.</translation>
    </message>
    <message>
        <source>Oops... The starting position of the selected text isn&apos;t right.  Please start over at Step 1.</source>
        <translation>Ops... La selezione non comincia nel punto giusto. Ricomincia dal passo 1.</translation>
    </message>
    <message>
        <source>You&apos;re on the right track.  Keep selecting...</source>
        <translation>Sei sulla strada giusta. Continua a selezionare...</translation>
    </message>
    <message>
        <source>Step 3 is Complete!  Good Job!<byte value="xd"/>
<byte value="xd"/>
You have copied the text as instructed!  Now move on to Step 4.</source>
        <translation>Passo 3 completato! Ottimo lavoro!<byte value="xd"/>
<byte value="xd"/>
Hai copiato il testo come richiesto! Ora vai al passo 4.</translation>
    </message>
    <message>
        <source>Oops!  Something went wrong.  You need to select the text again.  Please start over at Step 1.</source>
        <translation>Ops! Qualcosa è andato storto. Devi selezionare di nuovo il testo. Ricomincia dal passo 1.</translation>
    </message>
    <message>
        <source>Step 4 is Complete!  Good Job!<byte value="xd"/>
<byte value="xd"/>
You have positioned the insertion pointer to the right text box!  Now move on to Step 5.</source>
        <translation>Passo 4 completato! Ottimo lavoro!<byte value="xd"/>
<byte value="xd"/>
Hai messo il cursore nella casella giusta! Ora vai al passo 5.</translation>
    </message>
    <message>
        <source>Oops!  Something went wrong.  You still need to complete Step 4.</source>
        <translation>Ops! Qualcosa è andato storto. Devi ancora completare il passo 4.</translation>
    </message>
    <message>
        <source>Congratulations!  You did it!<byte value="xd"/>
<byte value="xd"/>
You successfully copied and pasted text from one window to another!</source>
        <translation>Congratulazioni! Ce l&apos;hai fatta!<byte value="xd"/>
<byte value="xd"/>
Hai copiato e incollato il testo da una finestra all&apos;altra!</translation>
    </message>
    <message>
        <source>Here is the text that you will select for your tutorial on cut/copy/paste - stop here</source>
        <translation>Ecco il testo che selezionerai nella tua lezione su taglia/copia/incolla - fermati qui</translation>
    </message>
    <message>
        <source>Please start the tutorial at Step 1.  As you complete the steps, this status area will track your progress.  Check back here to see how you are progressing.</source>
        <translation>Comincia la lezione dal passo 1. Mentre completi i passi, quest&apos;area mostra i tuoi progressi. Torna a guardare qui per sapere a che punto sei.</translation>
    </message>
</context>
<context>
    <name>DoubleClick</name>
    <message>
        <source>Double Clicks	:	</source>
        <translation>Doppi clic	:	</translation>
    </message>
    <message>
        <source>Too Slow				:	</source>
        <translation>Troppo lenti	:	</translation>
    </message>
    <message>
        <source>Mouse Moved	:	</source>
        <translation>Mouse spostato	:	</translation>
    </message>
    <message>
        <source>Single Click			:	</source>
        <translation>Clic singoli	:	</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>Total						:	</source>
        <translation>Totale	:	</translation>
    </message>
    <message>
        <source>First click... Now quickly click again!</source>
        <translation>Primo clic... Ora fai subito un altro clic!</translation>
    </message>
    <message>
        <source>Sorry.  Not quite fast enough.<byte value="xd"/>
<byte value="xd"/>
Try again, but click faster.</source>
        <translation>Peccato. Non abbastanza veloce.<byte value="xd"/>
<byte value="xd"/>
Riprova, ma fai clic più in fretta.</translation>
    </message>
    <message>
        <source>Sorry.  You moved the mouse between the first and second click.<byte value="xd"/>
<byte value="xd"/>
Try again, but keep the mouse in the same position while double clicking.</source>
        <translation>Peccato. Hai spostato il mouse tra il primo e il secondo clic.<byte value="xd"/>
<byte value="xd"/>
Riprova, ma tieni il mouse fermo nello stesso punto mentre fai doppio clic.</translation>
    </message>
    <message>
        <source>Success!  <byte value="xd"/>
<byte value="xd"/>
You successfully double clicked the mouse!</source>
        <translation>Ce l&apos;hai fatta!<byte value="xd"/>
<byte value="xd"/>
Hai fatto doppio clic con il mouse!</translation>
    </message>
    <message>
        <source>Try Again... You have to click twice.</source>
        <translation>Riprova... Devi fare clic due volte.</translation>
    </message>
    <message>
        <source>Try Again... Your second click was not quite fast enough.<byte value="xd"/>
<byte value="xd"/>
Remember to click faster.</source>
        <translation>Riprova... Il secondo clic non è stato abbastanza veloce.<byte value="xd"/>
<byte value="xd"/>
Ricorda di fare clic più in fretta.</translation>
    </message>
    <message>
        <source>Try Again... <byte value="xd"/>
<byte value="xd"/>
Remember to keep the mouse in the same position while double clicking.</source>
        <translation>Riprova...<byte value="xd"/>
<byte value="xd"/>
Ricorda di tenere il mouse fermo nello stesso punto mentre fai doppio clic.</translation>
    </message>
    <message>
        <source>Practice makes perfect! <byte value="xd"/>
<byte value="xd"/>
See how many times in a row you can double click.</source>
        <translation>La pratica rende perfetti!<byte value="xd"/>
<byte value="xd"/>
Vedi quante volte di fila riesci a fare doppio clic.</translation>
    </message>
</context>
<context>
    <name>DragDrop</name>
    <message>
        <source>Click and Drag Me</source>
        <translation>Fai clic e trascinami</translation>
    </message>
    <message>
        <source>Destination Folder</source>
        <translation>Cartella di destinazione</translation>
    </message>
    <message>
        <source>Source Folder</source>
        <translation>Cartella di origine</translation>
    </message>
    <message>
        <source>Another File</source>
        <translation>Un altro file</translation>
    </message>
    <message>
        <source>Just Another Folder</source>
        <translation>Un&apos;altra cartella</translation>
    </message>
    <message>
        <source>Yet Another Folder</source>
        <translation>Ancora un&apos;altra cartella</translation>
    </message>
    <message>
        <source>Please start at Step 1 by placing the mouse over the tree item labeled &quot;Click and Drag Me&quot;.</source>
        <translation>Comincia dal passo 1: porta il mouse sulla voce dell&apos;albero chiamata «Fai clic e trascinami».</translation>
    </message>
    <message>
        <source>Great!<byte value="xd"/>
<byte value="xd"/>
You got Step 1.  You have got the mouse over the right tree item!  Please move on to Step 2.</source>
        <translation>Benissimo!<byte value="xd"/>
<byte value="xd"/>
Passo 1 riuscito. Il mouse è sulla voce giusta dell&apos;albero! Ora vai al passo 2.</translation>
    </message>
    <message>
        <source>Great!<byte value="xd"/>
<byte value="xd"/>
You got Step 2.  You clicked the right tree item!  Please continue to Step 3.</source>
        <translation>Benissimo!<byte value="xd"/>
<byte value="xd"/>
Passo 2 riuscito. Hai fatto clic sulla voce giusta! Ora continua con il passo 3.</translation>
    </message>
    <message>
        <source>Oops... You clicked on the correct tree item, but you need to continue to hold the mouse down to complete Step 2.  Please try again.</source>
        <translation>Ops... Hai fatto clic sulla voce giusta, ma per completare il passo 2 devi continuare a tenere premuto il tasto del mouse. Riprova.</translation>
    </message>
    <message>
        <source>Super!<byte value="xd"/>
<byte value="xd"/>
You got Step 3.  You are dragging the tree item!  Now just keep dragging until the cursor is over the &quot;Destination Folder&quot;.</source>
        <translation>Fantastico!<byte value="xd"/>
<byte value="xd"/>
Passo 3 riuscito. Stai trascinando la voce! Ora continua a trascinare finché il puntatore non è sopra «Cartella di destinazione».</translation>
    </message>
    <message>
        <source>Oops!<byte value="xd"/>
<byte value="xd"/>
You are dragging the wrong item.  Please press the &quot;Start Over&quot; button.</source>
        <translation>Ops!<byte value="xd"/>
<byte value="xd"/>
Stai trascinando la voce sbagliata. Premi il pulsante «Ricomincia».</translation>
    </message>
    <message>
        <source>Congratulations!  You got it!<byte value="xd"/>
<byte value="xd"/>
If you would like to try again, please press the &quot;Start Over&quot; button.</source>
        <translation>Congratulazioni! Ce l&apos;hai fatta!<byte value="xd"/>
<byte value="xd"/>
Se vuoi riprovare, premi il pulsante «Ricomincia».</translation>
    </message>
    <message>
        <source>Sorry.  You didn&apos;t drop onto the correct tree item.  Please press the &quot;Start Over&quot; button to try again.</source>
        <translation>Peccato. Non hai rilasciato la voce sulla cartella giusta. Premi il pulsante «Ricomincia» per riprovare.</translation>
    </message>
    <message>
        <source>Please press the &quot;Start Over&quot; button to begin the tutorial again.</source>
        <translation>Premi il pulsante «Ricomincia» per rifare la lezione da capo.</translation>
    </message>
</context>
<context>
    <name>Layout</name>
    <message>
        <source>&amp;About Vellumark Kestrin...</source>
        <translation>&amp;Informazioni su Vellumark Kestrin...</translation>
    </message>
    <message>
        <source>About Vellumark Kestrin</source>
        <translation>Informazioni su Vellumark Kestrin</translation>
    </message>
    <message>
        <source>Kestrin</source>
        <translation>Kestrin</translation>
    </message>
    <message>
        <source>Kestrin Version 1.0</source>
        <translation>Kestrin versione 1.0</translation>
    </message>
    <message>
        <source>Copyright (C) 2026 Vellumark.  All rights reserved.</source>
        <translation>Copyright (C) 2026 Vellumark. Tutti i diritti riservati.</translation>
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
        <translation>Copia e incolla</translation>
    </message>
    <message>
        <source>Drag and Drop Tutorial</source>
        <translation>Trascina e rilascia</translation>
    </message>
    <message>
        <source>Double Click Tutorial</source>
        <translation>Doppio clic</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Messaggio di benvenuto</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Vellumark banner</source>
        <translation>Banner di Vellumark</translation>
    </message>
    <message>
        <source>Would you like more help?  Visit our web site:</source>
        <translation>Ti serve altro aiuto? Visita il nostro sito:</translation>
    </message>
    <message>
        <source>Tutorials</source>
        <translation>Lezioni</translation>
    </message>
    <message>
        <source>Vellumark - Copy and Paste Tutorial</source>
        <translation>Vellumark – Copia e incolla</translation>
    </message>
    <message>
        <source>Step 1:</source>
        <translation>Passo 1:</translation>
    </message>
    <message>
        <source>Put the mouse pointer just to the left of the capital &quot;H&quot; in the box below (marked &quot;#1&quot;), then press the left mouse button and hold it down.</source>
        <translation>Porta il puntatore del mouse appena a sinistra della «E» maiuscola nella casella sotto (segno «#1»), poi premi il tasto sinistro del mouse e tienilo premuto.</translation>
    </message>
    <message>
        <source>Step 2:</source>
        <translation>Passo 2:</translation>
    </message>
    <message>
        <source>Keep holding the button and drag the mouse to the right and down until the pointer is just past the lowercase &quot;e&quot; of &quot;stop here&quot; (marked &quot;#2&quot;), then let go.  This is called &quot;Selecting Text&quot;.</source>
        <translation>Tieni premuto il tasto e trascina il mouse verso destra e in basso finché il puntatore supera di poco la «i» finale di «fermati qui» (segno «#2»), poi rilascia. Questo si chiama «Selezionare il testo».</translation>
    </message>
    <message>
        <source>Step 3:</source>
        <translation>Passo 3:</translation>
    </message>
    <message>
        <source>Hold down the &quot;Ctrl&quot; key, press the &quot;c&quot; key once, then let go of both.  This is called &quot;Copying Text&quot;.</source>
        <translation>Tieni premuto il tasto «Ctrl», premi una volta il tasto «c», poi rilasciali entrambi. Questo si chiama «Copiare il testo».</translation>
    </message>
    <message>
        <source>Step 4:</source>
        <translation>Passo 4:</translation>
    </message>
    <message>
        <source>Click once inside the lower box.  This puts the insertion pointer (the blinking line) there.</source>
        <translation>Fai clic una volta nella casella in basso. Così il cursore (la linea che lampeggia) va lì.</translation>
    </message>
    <message>
        <source>Step 5:</source>
        <translation>Passo 5:</translation>
    </message>
    <message>
        <source>Hold down the &quot;Ctrl&quot; key, press the &quot;v&quot; key once, then let go of both.  This is called &quot;Pasting Text&quot;.</source>
        <translation>Tieni premuto il tasto «Ctrl», premi una volta il tasto «v», poi rilasciali entrambi. Questo si chiama «Incollare il testo».</translation>
    </message>
    <message>
        <source>Practice text</source>
        <translation>Testo per l&apos;esercizio</translation>
    </message>
    <message>
        <source>Marker #1</source>
        <translation>Segno #1</translation>
    </message>
    <message>
        <source>Marker #2</source>
        <translation>Segno #2</translation>
    </message>
    <message>
        <source>Paste target</source>
        <translation>Casella dove incollare</translation>
    </message>
    <message>
        <source>Start Over</source>
        <translation>Ricomincia</translation>
    </message>
    <message>
        <source>Vellumark - Double Click Tutorial</source>
        <translation>Vellumark – Doppio clic</translation>
    </message>
    <message>
        <source>Move the mouse pointer over the red square below.</source>
        <translation>Porta il puntatore del mouse sul quadrato rosso qui sotto.</translation>
    </message>
    <message>
        <source>Click and release the left mouse button, then click and release it again as quickly as you can.</source>
        <translation>Premi e rilascia il tasto sinistro del mouse, poi premilo e rilascialo di nuovo, più in fretta che puoi.</translation>
    </message>
    <message>
        <source>Important Hints</source>
        <translation>Consigli importanti</translation>
    </message>
    <message>
        <source>Click twice in rapid succession and keep the mouse still between the two clicks.  This tutorial measures both: how fast you click and whether the mouse moved.</source>
        <translation>Fai due clic rapidi, uno dopo l&apos;altro, e tieni fermo il mouse tra i due clic. La lezione misura entrambe le cose: la tua velocità e se il mouse si è mosso.</translation>
    </message>
    <message>
        <source>Visualize It</source>
        <translation>Guarda come si fa</translation>
    </message>
    <message>
        <source>Tick the &quot;Show Me&quot; box to watch the slowest double click that your computer still accepts.  Untick it to stop.</source>
        <translation>Spunta la casella «Mostrami» per vedere il doppio clic più lento che il tuo computer accetta ancora. Togli la spunta per fermarlo.</translation>
    </message>
    <message>
        <source>Double-click target</source>
        <translation>Bersaglio del doppio clic</translation>
    </message>
    <message>
        <source>Show Me</source>
        <translation>Mostrami</translation>
    </message>
    <message>
        <source>Mouse, button pressed</source>
        <translation>Mouse, tasto premuto</translation>
    </message>
    <message>
        <source>Mouse, button released</source>
        <translation>Mouse, tasto rilasciato</translation>
    </message>
    <message>
        <source>Vellumark - Drag and Drop Tutorial</source>
        <translation>Vellumark – Trascina e rilascia</translation>
    </message>
    <message>
        <source>Put the mouse pointer over the item labeled &quot;Click and Drag Me&quot; in the tree below.</source>
        <translation>Porta il puntatore del mouse sulla voce «Fai clic e trascinami» qui sotto.</translation>
    </message>
    <message>
        <source>Press the left mouse button and hold it down.  This begins the &quot;Drag&quot;.</source>
        <translation>Premi il tasto sinistro del mouse e tienilo premuto. Così comincia il «trascinamento».</translation>
    </message>
    <message>
        <source>Keep holding the button and move the mouse over &quot;Destination Folder&quot;.  Watch the see-through picture of the item follow the pointer.</source>
        <translation>Tieni premuto il tasto e porta il mouse su «Cartella di destinazione». Guarda come l&apos;immagine trasparente della voce segue il puntatore.</translation>
    </message>
    <message>
        <source>Let go of the button while the pointer is over &quot;Destination Folder&quot;.  This is the &quot;Drop&quot;.</source>
        <translation>Rilascia il tasto mentre il puntatore è su «Cartella di destinazione». Questo è il «rilascio».</translation>
    </message>
    <message>
        <source>When it is all right to let go, the folder under the pointer is highlighted in dark blue.</source>
        <translation>Quando puoi rilasciare il tasto, la cartella sotto il puntatore si colora di blu scuro.</translation>
    </message>
    <message>
        <source>Practice folders</source>
        <translation>Cartelle per l&apos;esercizio</translation>
    </message>
    <message>
        <source>Overview:</source>
        <translation>Introduzione:</translation>
    </message>
    <message>
        <source>Overview</source>
        <translation>Introduzione</translation>
    </message>
    <message>
        <source>Tutorial Status:</source>
        <translation>Stato della lezione:</translation>
    </message>
    <message>
        <source>Tutorial Status</source>
        <translation>Stato della lezione</translation>
    </message>
    <message>
        <source>Tutorial</source>
        <translation>Esercizio</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Chiudi</translation>
    </message>
</context>
</TS>
