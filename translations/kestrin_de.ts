<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>CCopyPasteTutorialDlg</name>
    <message>
        <source>Internal Error:  Contact %1.</source>
        <translation>Interner Fehler: Bitte wenden Sie sich an %1.</translation>
    </message>
</context>
<context>
    <name>CDialog</name>
    <message>
        <source>Window menu</source>
        <translation>Fenstermenü</translation>
    </message>
</context>
<context>
    <name>CDoubleClickTutorialDlg</name>
    <message>
        <source>After starting the tutorial this text will be replaced with statistics about your progress.</source>
        <translation>Sobald Sie mit der Übung beginnen, sehen Sie hier eine Statistik über Ihre Fortschritte.</translation>
    </message>
</context>
<context>
    <name>CWebLinkStatic</name>
    <message>
        <source>The operating system is out
of memory or resources.</source>
        <translation>Dem Betriebssystem fehlt es an
Speicher oder Ressourcen.</translation>
    </message>
    <message>
        <source>The specified file was not found.</source>
        <translation>Die angegebene Datei wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>The specified path was not found.</source>
        <translation>Der angegebene Pfad wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>The operating system denied
access to the specified file.</source>
        <translation>Das Betriebssystem hat den Zugriff
auf die angegebene Datei verweigert.</translation>
    </message>
    <message>
        <source>There was not enough memory to complete the operation.</source>
        <translation>Für diesen Vorgang war nicht genügend Speicher vorhanden.</translation>
    </message>
    <message>
        <source>The .EXE file is invalid
(non-Win32 .EXE or error in .EXE image).</source>
        <translation>Die .EXE-Datei ist ungültig
(keine Win32-.EXE-Datei oder Fehler im .EXE-Abbild).</translation>
    </message>
    <message>
        <source>A sharing violation occurred. </source>
        <translation>Es ist eine Freigabeverletzung aufgetreten. </translation>
    </message>
    <message>
        <source>The filename association is
incomplete or invalid.</source>
        <translation>Der eingestellte Webbrowser konnte
die Adresse nicht öffnen.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because the request timed out.</source>
        <translation>Die DDE-Transaktion konnte nicht abgeschlossen
werden, weil die Anforderung zu lange gedauert hat.</translation>
    </message>
    <message>
        <source>The DDE transaction failed.</source>
        <translation>Die DDE-Transaktion ist fehlgeschlagen.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because other DDE transactions
were being processed.</source>
        <translation>Die DDE-Transaktion konnte nicht abgeschlossen
werden, weil gerade andere DDE-Transaktionen
verarbeitet wurden.</translation>
    </message>
    <message>
        <source>There is no application associated
with the given filename extension.</source>
        <translation>Kein Webbrowser konnte
die Adresse öffnen.</translation>
    </message>
    <message>
        <source>The specified dynamic-link library was not found.</source>
        <translation>Die angegebene Programmbibliothek (DLL) wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>Unknown Error (%1) occurred.</source>
        <translation>Ein unbekannter Fehler (%1) ist aufgetreten.</translation>
    </message>
    <message>
        <source>Unable to open hyperlink:

</source>
        <translation>Der Link kann nicht geöffnet werden:

</translation>
    </message>
</context>
<context>
    <name>CopyPasteSteps</name>
    <message>
        <source>Waiting for tutorial to start.</source>
        <translation>Die Übung hat noch nicht begonnen.</translation>
    </message>
    <message>
        <source>Oops.. The text being copied has been modified.  This is not consistent with the expected results of the tutorial.  Please press the &quot;Start Over&quot; button.</source>
        <translation>Hoppla ... Der Text, den Sie kopieren, wurde verändert. Damit kann diese Übung nicht weitergehen. Bitte klicken Sie auf „Neu starten“.</translation>
    </message>
    <message>
        <source>Steps 1 &amp; 2 are Complete!  Good Job!<byte value="xd"/>
<byte value="xd"/>
You have selected the text as instructed! Now move on to Step 3.</source>
        <translation>Schritte 1 und 2 sind geschafft! Gut gemacht!<byte value="xd"/>
<byte value="xd"/>
Sie haben den Text richtig markiert! Weiter geht es mit Schritt 3.</translation>
    </message>
    <message>
        <source>Oops... Something isn&apos;t quite right.  You had previously selected the text properly, but now the text window is not active so you will not be able to copy from it.  Please start over from Step 1.</source>
        <translation>Hoppla ... Da stimmt etwas nicht. Sie hatten den Text richtig markiert, aber jetzt ist das Textfeld nicht mehr aktiv. So können Sie nicht daraus kopieren. Bitte beginnen Sie wieder bei Schritt 1.</translation>
    </message>
    <message>
        <source>Oops... The selected text isn&apos;t quite right.  Please start over at Step 1.</source>
        <translation>Hoppla ... Der markierte Text stimmt nicht ganz. Bitte beginnen Sie wieder bei Schritt 1.</translation>
    </message>
    <message>
        <source>Oops... The starting position of the selected text isn&apos;t right.  Please start over at Step 1.</source>
        <translation>Hoppla ... Die Markierung beginnt an der falschen Stelle. Bitte beginnen Sie wieder bei Schritt 1.</translation>
    </message>
    <message>
        <source>You&apos;re on the right track.  Keep selecting...</source>
        <translation>Sie sind auf dem richtigen Weg. Markieren Sie weiter ...</translation>
    </message>
    <message>
        <source>Step 3 is Complete!  Good Job!<byte value="xd"/>
<byte value="xd"/>
You have copied the text as instructed!  Now move on to Step 4.</source>
        <translation>Schritt 3 ist geschafft! Gut gemacht!<byte value="xd"/>
<byte value="xd"/>
Sie haben den Text richtig kopiert! Weiter geht es mit Schritt 4.</translation>
    </message>
    <message>
        <source>Oops!  Something went wrong.  You need to select the text again.  Please start over at Step 1.</source>
        <translation>Hoppla! Da ist etwas schiefgegangen. Sie müssen den Text noch einmal markieren. Bitte beginnen Sie wieder bei Schritt 1.</translation>
    </message>
    <message>
        <source>Step 4 is Complete!  Good Job!<byte value="xd"/>
<byte value="xd"/>
You have positioned the insertion pointer to the right text box!  Now move on to Step 5.</source>
        <translation>Schritt 4 ist geschafft! Gut gemacht!<byte value="xd"/>
<byte value="xd"/>
Die Schreibmarke steht im richtigen Feld! Weiter geht es mit Schritt 5.</translation>
    </message>
    <message>
        <source>Oops!  Something went wrong.  You still need to complete Step 4.</source>
        <translation>Hoppla! Da ist etwas schiefgegangen. Sie müssen noch Schritt 4 erledigen.</translation>
    </message>
    <message>
        <source>Congratulations!  You did it!<byte value="xd"/>
<byte value="xd"/>
You successfully copied and pasted text from one window to another!</source>
        <translation>Herzlichen Glückwunsch! Sie haben es geschafft!<byte value="xd"/>
<byte value="xd"/>
Sie haben Text von einem Fenster in ein anderes kopiert und eingefügt!</translation>
    </message>
    <message>
        <source>Here is the text that you will select for your tutorial on cut/copy/paste - stop here</source>
        <translation>Hier ist der Text, den Sie in dieser Übung zum Kopieren und Einfügen markieren - bis hierher</translation>
    </message>
    <message>
        <source>Please start the tutorial at Step 1.  As you complete the steps, this status area will track your progress.  Check back here to see how you are progressing.</source>
        <translation>Bitte beginnen Sie die Übung mit Schritt 1. Während Sie die Schritte erledigen, zeigt Ihnen dieses Feld, wie weit Sie sind. Schauen Sie ab und zu hier nach.</translation>
    </message>
</context>
<context>
    <name>DoubleClick</name>
    <message>
        <source>Double Clicks	:	</source>
        <translation>Doppelklicks	:	</translation>
    </message>
    <message>
        <source>Too Slow				:	</source>
        <translation>Zu langsam	:	</translation>
    </message>
    <message>
        <source>Mouse Moved	:	</source>
        <translation>Maus bewegt	:	</translation>
    </message>
    <message>
        <source>Single Click			:	</source>
        <translation>Einzelklicks	:	</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1&#x202f;%</translation>
    </message>
    <message>
        <source>Total						:	</source>
        <translation>Gesamt	:	</translation>
    </message>
    <message>
        <source>First click... Now quickly click again!</source>
        <translation>Erster Klick ... Jetzt schnell noch einmal klicken!</translation>
    </message>
    <message>
        <source>Sorry.  Not quite fast enough.<byte value="xd"/>
<byte value="xd"/>
Try again, but click faster.</source>
        <translation>Schade. Das war nicht ganz schnell genug.<byte value="xd"/>
<byte value="xd"/>
Versuchen Sie es noch einmal und klicken Sie schneller.</translation>
    </message>
    <message>
        <source>Sorry.  You moved the mouse between the first and second click.<byte value="xd"/>
<byte value="xd"/>
Try again, but keep the mouse in the same position while double clicking.</source>
        <translation>Schade. Sie haben die Maus zwischen dem ersten und dem zweiten Klick bewegt.<byte value="xd"/>
<byte value="xd"/>
Versuchen Sie es noch einmal und halten Sie die Maus beim Doppelklick ganz still.</translation>
    </message>
    <message>
        <source>Success!  <byte value="xd"/>
<byte value="xd"/>
You successfully double clicked the mouse!</source>
        <translation>Geschafft!<byte value="xd"/>
<byte value="xd"/>
Ihr Doppelklick hat geklappt!</translation>
    </message>
    <message>
        <source>Try Again... You have to click twice.</source>
        <translation>Noch einmal versuchen ... Sie müssen zweimal klicken.</translation>
    </message>
    <message>
        <source>Try Again... Your second click was not quite fast enough.<byte value="xd"/>
<byte value="xd"/>
Remember to click faster.</source>
        <translation>Noch einmal versuchen ... Ihr zweiter Klick kam nicht ganz schnell genug.<byte value="xd"/>
<byte value="xd"/>
Denken Sie daran, schneller zu klicken.</translation>
    </message>
    <message>
        <source>Try Again... <byte value="xd"/>
<byte value="xd"/>
Remember to keep the mouse in the same position while double clicking.</source>
        <translation>Noch einmal versuchen ...<byte value="xd"/>
<byte value="xd"/>
Denken Sie daran, die Maus beim Doppelklick ganz still zu halten.</translation>
    </message>
    <message>
        <source>Practice makes perfect! <byte value="xd"/>
<byte value="xd"/>
See how many times in a row you can double click.</source>
        <translation>Übung macht den Meister!<byte value="xd"/>
<byte value="xd"/>
Probieren Sie, wie viele Doppelklicks hintereinander Ihnen gelingen.</translation>
    </message>
</context>
<context>
    <name>DragDrop</name>
    <message>
        <source>Click and Drag Me</source>
        <translation>Anklicken und ziehen</translation>
    </message>
    <message>
        <source>Destination Folder</source>
        <translation>Zielordner</translation>
    </message>
    <message>
        <source>Source Folder</source>
        <translation>Quellordner</translation>
    </message>
    <message>
        <source>Another File</source>
        <translation>Noch eine Datei</translation>
    </message>
    <message>
        <source>Just Another Folder</source>
        <translation>Noch ein Ordner</translation>
    </message>
    <message>
        <source>Yet Another Folder</source>
        <translation>Und noch ein Ordner</translation>
    </message>
    <message>
        <source>Please start at Step 1 by placing the mouse over the tree item labeled &quot;Click and Drag Me&quot;.</source>
        <translation>Bitte beginnen Sie mit Schritt 1: Zeigen Sie mit der Maus auf den Eintrag „Anklicken und ziehen“.</translation>
    </message>
    <message>
        <source>Great!<byte value="xd"/>
<byte value="xd"/>
You got Step 1.  You have got the mouse over the right tree item!  Please move on to Step 2.</source>
        <translation>Prima!<byte value="xd"/>
<byte value="xd"/>
Schritt 1 ist geschafft. Die Maus zeigt auf den richtigen Eintrag! Weiter geht es mit Schritt 2.</translation>
    </message>
    <message>
        <source>Great!<byte value="xd"/>
<byte value="xd"/>
You got Step 2.  You clicked the right tree item!  Please continue to Step 3.</source>
        <translation>Prima!<byte value="xd"/>
<byte value="xd"/>
Schritt 2 ist geschafft. Sie haben den richtigen Eintrag angeklickt! Weiter geht es mit Schritt 3.</translation>
    </message>
    <message>
        <source>Oops... You clicked on the correct tree item, but you need to continue to hold the mouse down to complete Step 2.  Please try again.</source>
        <translation>Hoppla ... Sie haben den richtigen Eintrag angeklickt, aber für Schritt 2 müssen Sie die Maustaste gedrückt halten. Bitte versuchen Sie es noch einmal.</translation>
    </message>
    <message>
        <source>Super!<byte value="xd"/>
<byte value="xd"/>
You got Step 3.  You are dragging the tree item!  Now just keep dragging until the cursor is over the &quot;Destination Folder&quot;.</source>
        <translation>Super!<byte value="xd"/>
<byte value="xd"/>
Schritt 3 ist geschafft. Sie ziehen den Eintrag! Ziehen Sie ihn jetzt weiter, bis der Mauszeiger auf „Zielordner“ steht.</translation>
    </message>
    <message>
        <source>Oops!<byte value="xd"/>
<byte value="xd"/>
You are dragging the wrong item.  Please press the &quot;Start Over&quot; button.</source>
        <translation>Hoppla!<byte value="xd"/>
<byte value="xd"/>
Sie ziehen den falschen Eintrag. Bitte klicken Sie auf „Neu starten“.</translation>
    </message>
    <message>
        <source>Congratulations!  You got it!<byte value="xd"/>
<byte value="xd"/>
If you would like to try again, please press the &quot;Start Over&quot; button.</source>
        <translation>Herzlichen Glückwunsch! Sie haben es geschafft!<byte value="xd"/>
<byte value="xd"/>
Wenn Sie es noch einmal versuchen möchten, klicken Sie auf „Neu starten“.</translation>
    </message>
    <message>
        <source>Sorry.  You didn&apos;t drop onto the correct tree item.  Please press the &quot;Start Over&quot; button to try again.</source>
        <translation>Schade. Sie haben den Eintrag nicht auf dem richtigen Ordner abgelegt. Bitte klicken Sie auf „Neu starten“, um es noch einmal zu versuchen.</translation>
    </message>
    <message>
        <source>Please press the &quot;Start Over&quot; button to begin the tutorial again.</source>
        <translation>Bitte klicken Sie auf „Neu starten“, um die Übung noch einmal zu beginnen.</translation>
    </message>
</context>
<context>
    <name>Layout</name>
    <message>
        <source>&amp;About Vellumark Kestrin...</source>
        <translation>Ü&amp;ber Vellumark Kestrin ...</translation>
    </message>
    <message>
        <source>About Vellumark Kestrin</source>
        <translation>Über Vellumark Kestrin</translation>
    </message>
    <message>
        <source>Kestrin</source>
        <translation>Kestrin</translation>
    </message>
    <message>
        <source>Kestrin Version 1.0</source>
        <translation>Kestrin Version 1.0</translation>
    </message>
    <message>
        <source>Copyright (C) 2026 Vellumark.  All rights reserved.</source>
        <translation>Copyright (C) 2026 Vellumark. Alle Rechte vorbehalten.</translation>
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
        <translation>Kopieren und Einfügen</translation>
    </message>
    <message>
        <source>Drag and Drop Tutorial</source>
        <translation>Ziehen und Ablegen</translation>
    </message>
    <message>
        <source>Double Click Tutorial</source>
        <translation>Doppelklicken</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Willkommen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Vellumark banner</source>
        <translation>Vellumark-Banner</translation>
    </message>
    <message>
        <source>Would you like more help?  Visit our web site:</source>
        <translation>Mehr Hilfe finden Sie auf unserer Website:</translation>
    </message>
    <message>
        <source>Tutorials</source>
        <translation>Übungen</translation>
    </message>
    <message>
        <source>Vellumark - Copy and Paste Tutorial</source>
        <translation>Vellumark – Kopieren und Einfügen üben</translation>
    </message>
    <message>
        <source>Step 1:</source>
        <translation>Schritt 1:</translation>
    </message>
    <message>
        <source>Put the mouse pointer just to the left of the capital &quot;H&quot; in the box below (marked &quot;#1&quot;), then press the left mouse button and hold it down.</source>
        <translation>Setzen Sie den Mauszeiger direkt links vor das große „H“ im Feld unten (bei „#1“). Drücken Sie dann die linke Maustaste und halten Sie sie gedrückt.</translation>
    </message>
    <message>
        <source>Step 2:</source>
        <translation>Schritt 2:</translation>
    </message>
    <message>
        <source>Keep holding the button and drag the mouse to the right and down until the pointer is just past the lowercase &quot;e&quot; of &quot;stop here&quot; (marked &quot;#2&quot;), then let go.  This is called &quot;Selecting Text&quot;.</source>
        <translation>Halten Sie die Maustaste gedrückt und ziehen Sie die Maus nach rechts unten, bis der Mauszeiger direkt hinter dem kleinen „r“ von „bis hierher“ steht (bei „#2“). Lassen Sie dann los. Das nennt man „Text markieren“.</translation>
    </message>
    <message>
        <source>Step 3:</source>
        <translation>Schritt 3:</translation>
    </message>
    <message>
        <source>Hold down the &quot;Ctrl&quot; key, press the &quot;c&quot; key once, then let go of both.  This is called &quot;Copying Text&quot;.</source>
        <translation>Halten Sie die Taste „Strg“ gedrückt, drücken Sie einmal die Taste „c“ und lassen Sie dann beide los. Das nennt man „Text kopieren“.</translation>
    </message>
    <message>
        <source>Step 4:</source>
        <translation>Schritt 4:</translation>
    </message>
    <message>
        <source>Click once inside the lower box.  This puts the insertion pointer (the blinking line) there.</source>
        <translation>Klicken Sie einmal in das untere Feld. Dadurch steht dort die Schreibmarke (der blinkende Strich).</translation>
    </message>
    <message>
        <source>Step 5:</source>
        <translation>Schritt 5:</translation>
    </message>
    <message>
        <source>Hold down the &quot;Ctrl&quot; key, press the &quot;v&quot; key once, then let go of both.  This is called &quot;Pasting Text&quot;.</source>
        <translation>Halten Sie die Taste „Strg“ gedrückt, drücken Sie einmal die Taste „v“ und lassen Sie dann beide los. Das nennt man „Text einfügen“.</translation>
    </message>
    <message>
        <source>Practice text</source>
        <translation>Übungstext</translation>
    </message>
    <message>
        <source>Marker #1</source>
        <translation>Pfeil #1</translation>
    </message>
    <message>
        <source>Marker #2</source>
        <translation>Pfeil #2</translation>
    </message>
    <message>
        <source>Paste target</source>
        <translation>Feld zum Einfügen</translation>
    </message>
    <message>
        <source>Start Over</source>
        <translation>Neu starten</translation>
    </message>
    <message>
        <source>Vellumark - Double Click Tutorial</source>
        <translation>Vellumark – Doppelklicken üben</translation>
    </message>
    <message>
        <source>Move the mouse pointer over the red square below.</source>
        <translation>Bewegen Sie den Mauszeiger auf das rote Quadrat unten.</translation>
    </message>
    <message>
        <source>Click and release the left mouse button, then click and release it again as quickly as you can.</source>
        <translation>Drücken Sie die linke Maustaste und lassen Sie sie los. Tun Sie das gleich danach noch einmal, so schnell Sie können.</translation>
    </message>
    <message>
        <source>Important Hints</source>
        <translation>Wichtige Hinweise</translation>
    </message>
    <message>
        <source>Click twice in rapid succession and keep the mouse still between the two clicks.  This tutorial measures both: how fast you click and whether the mouse moved.</source>
        <translation>Klicken Sie zweimal schnell hintereinander und halten Sie die Maus dazwischen still. Diese Übung misst beides: wie schnell Sie klicken und ob sich die Maus bewegt hat.</translation>
    </message>
    <message>
        <source>Visualize It</source>
        <translation>Zum Anschauen</translation>
    </message>
    <message>
        <source>Tick the &quot;Show Me&quot; box to watch the slowest double click that your computer still accepts.  Untick it to stop.</source>
        <translation>Setzen Sie ein Häkchen bei „Vorführen“, um den langsamsten Doppelklick zu sehen, den Ihr Computer noch annimmt. Entfernen Sie das Häkchen, um aufzuhören.</translation>
    </message>
    <message>
        <source>Double-click target</source>
        <translation>Ziel für den Doppelklick</translation>
    </message>
    <message>
        <source>Show Me</source>
        <translation>Vorführen</translation>
    </message>
    <message>
        <source>Mouse, button pressed</source>
        <translation>Maus, Taste gedrückt</translation>
    </message>
    <message>
        <source>Mouse, button released</source>
        <translation>Maus, Taste losgelassen</translation>
    </message>
    <message>
        <source>Vellumark - Drag and Drop Tutorial</source>
        <translation>Vellumark – Ziehen und Ablegen üben</translation>
    </message>
    <message>
        <source>Put the mouse pointer over the item labeled &quot;Click and Drag Me&quot; in the tree below.</source>
        <translation>Zeigen Sie mit dem Mauszeiger unten auf den Eintrag „Anklicken und ziehen“.</translation>
    </message>
    <message>
        <source>Press the left mouse button and hold it down.  This begins the &quot;Drag&quot;.</source>
        <translation>Drücken Sie die linke Maustaste und halten Sie sie gedrückt. Damit beginnt das „Ziehen“.</translation>
    </message>
    <message>
        <source>Keep holding the button and move the mouse over &quot;Destination Folder&quot;.  Watch the see-through picture of the item follow the pointer.</source>
        <translation>Halten Sie die Maustaste gedrückt und bewegen Sie die Maus auf „Zielordner“. Ein durchsichtiges Bild des Eintrags folgt dabei dem Mauszeiger.</translation>
    </message>
    <message>
        <source>Let go of the button while the pointer is over &quot;Destination Folder&quot;.  This is the &quot;Drop&quot;.</source>
        <translation>Lassen Sie die Maustaste los, während der Mauszeiger auf „Zielordner“ steht. Das ist das „Ablegen“.</translation>
    </message>
    <message>
        <source>When it is all right to let go, the folder under the pointer is highlighted in dark blue.</source>
        <translation>Sobald Sie loslassen können, wird der Ordner unter dem Mauszeiger dunkelblau hervorgehoben.</translation>
    </message>
    <message>
        <source>Practice folders</source>
        <translation>Übungsordner</translation>
    </message>
    <message>
        <source>Overview:</source>
        <translation>Überblick:</translation>
    </message>
    <message>
        <source>Overview</source>
        <translation>Überblick</translation>
    </message>
    <message>
        <source>Tutorial Status:</source>
        <translation>Ihr Fortschritt:</translation>
    </message>
    <message>
        <source>Tutorial Status</source>
        <translation>Ihr Fortschritt</translation>
    </message>
    <message>
        <source>Tutorial</source>
        <translation>Übung</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
</context>
</TS>
