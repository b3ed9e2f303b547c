<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
    <context>
        <name>AboutDialog</name>
        <message>
            <source>关於 Halmora</source>
            <translation>About Halmora</translation>
        </message>
        <message>
            <source>&lt;h2&gt;Halmora&lt;/h2&gt;&lt;p&gt;中国跳棋 · Chinese Checkers&lt;/p&gt;&lt;p&gt;Version %1&lt;/p&gt;&lt;p&gt;两到六位玩家，人类或五个等级的电脑玩家。&lt;/p&gt;</source>
            <translation>&lt;h2&gt;Halmora&lt;/h2&gt;&lt;p&gt;Chinese Checkers&lt;/p&gt;&lt;p&gt;Version %1&lt;/p&gt;&lt;p&gt;Two to six players, humans or computer players at five levels.&lt;/p&gt;</translation>
        </message>
        <message>
            <source>OK</source>
            <translation>OK</translation>
        </message>
    </context>
    <context>
        <name>AnimationPage</name>
        <message>
            <source>显示完全动画的弹珠运动。</source>
            <translation>Show fully animated marble movement.</translation>
        </message>
        <message>
            <source>在棋盘上标出上一步移动的路径和轮到的玩家。</source>
            <translation>Mark the last move's path and the player to move on the board.</translation>
        </message>
        <message>
            <source>弹珠移动速度</source>
            <translation>Marble movement speed</translation>
        </message>
        <message>
            <source>最慢的</source>
            <translation>Slowest</translation>
        </message>
        <message>
            <source>最快的</source>
            <translation>Fastest</translation>
        </message>
        <message>
            <source> 动画   </source>
            <translation>Animation</translation>
        </message>
    </context>
    <context>
        <name>AppGameHost</name>
        <message>
            <source>The game could not be recorded in the statistics file (%1). Halmora tries again after the next game and when it closes.</source>
            <translation>The game could not be recorded in the statistics file (%1). Halmora tries again after the next game and when it closes.</translation>
        </message>
        <message>
            <source>%1 finished game could not be recorded in the statistics file (%2) and will be missing from the statistics.</source>
            <translation>%1 finished game could not be recorded in the statistics file (%2) and will be missing from the statistics.</translation>
        </message>
        <message>
            <source>%1 finished games could not be recorded in the statistics file (%2) and will be missing from the statistics.</source>
            <translation>%1 finished games could not be recorded in the statistics file (%2) and will be missing from the statistics.</translation>
        </message>
    </context>
    <context>
        <name>BoardSettingsSheet</name>
        <message>
            <source>棋盘设定      </source>
            <translation>Board Settings</translation>
        </message>
    </context>
    <context>
        <name>CMainWindow</name>
        <message>
            <source>     你已经正在玩一个游戏了。   离开这个游戏和开始另一个?        </source>
            <translation>You are already playing a game. Leave this game and start another?</translation>
        </message>
        <message>
            <source>你是否确信你要重新开始这个游戏?            </source>
            <translation>Are you sure you want to restart this game?</translation>
        </message>
        <message>
            <source>你已经正在玩游戏。 离开这场游戏和打开另一个?                    </source>
            <translation>You are already playing a game. Leave this game and open another?</translation>
        </message>
        <message>
            <source>游戏在进行...      </source>
            <translation>Game in Progress</translation>
        </message>
        <message>
            <source>是否你想要玩另一个游戏?             </source>
            <translation>Would you like to play another game?</translation>
        </message>
        <message>
            <source>新的游戏</source>
            <translation>New Game</translation>
        </message>
        <message>
            <source>- 游戏暂停中 - </source>
            <translation>- Game Paused -</translation>
        </message>
        <message>
            <source>  你现在正参与一个游戏，游戏尚未结束  你确定你想要退出吗?           </source>
            <translation>You are in the middle of a game that has not ended. Are you sure you want to quit?</translation>
        </message>
        <message>
            <source>游戏在进行      </source>
            <translation>Game in Progress</translation>
        </message>
        <message>
            <source>The settings could not be saved (%1).</source>
            <translation>The settings could not be saved (%1).</translation>
        </message>
    </context>
    <context>
        <name>ComputerName</name>
        <message>
            <source>Novice A.I.</source>
            <translation>Novice A.I.</translation>
        </message>
        <message>
            <source>Average A.I.</source>
            <translation>Average A.I.</translation>
        </message>
        <message>
            <source>Advanced A.I.</source>
            <translation>Advanced A.I.</translation>
        </message>
        <message>
            <source>Expert A.I.</source>
            <translation>Expert A.I.</translation>
        </message>
        <message>
            <source>Master A.I.</source>
            <translation>Master A.I.</translation>
        </message>
    </context>
    <context>
        <name>DialogButtons</name>
        <message>
            <source>确定</source>
            <translation>OK</translation>
        </message>
        <message>
            <source>取消</source>
            <translation>Cancel</translation>
        </message>
    </context>
    <context>
        <name>FileDialog</name>
        <message>
            <source>Halmora Files (*.hlm)</source>
            <translation>Halmora Files (*.hlm)</translation>
        </message>
    </context>
    <context>
        <name>FootButtons</name>
        <message>
            <source>显示游戏信息...  </source>
            <translation>Show Game Info...</translation>
        </message>
        <message>
            <source>退出游戏</source>
            <translation>Quit Game</translation>
        </message>
    </context>
    <context>
        <name>Game</name>
        <message>
            <source>Yellow</source>
            <translation>Yellow</translation>
        </message>
        <message>
            <source>Purple</source>
            <translation>Purple</translation>
        </message>
        <message>
            <source>Blue</source>
            <translation>Blue</translation>
        </message>
        <message>
            <source>Red</source>
            <translation>Red</translation>
        </message>
        <message>
            <source>Orange</source>
            <translation>Orange</translation>
        </message>
        <message>
            <source>Green</source>
            <translation>Green</translation>
        </message>
        <message>
            <source>不参与游戏 </source>
            <translation>Not Playing</translation>
        </message>
        <message>
            <source>人类 </source>
            <translation>Human</translation>
        </message>
        <message>
            <source>电脑玩家 初学  </source>
            <translation>Computer - Novice</translation>
        </message>
        <message>
            <source>电脑玩家 普通   </source>
            <translation>Computer - Average</translation>
        </message>
        <message>
            <source>电脑玩家 高级    </source>
            <translation>Computer - Advanced</translation>
        </message>
        <message>
            <source>电脑玩家 专家  </source>
            <translation>Computer - Expert</translation>
        </message>
        <message>
            <source>电脑玩家 大师  </source>
            <translation>Computer - Master</translation>
        </message>
        <message>
            <source>Network</source>
            <translation>Network</translation>
        </message>
    </context>
    <context>
        <name>GameInfoPanel</name>
        <message>
            <source>游戏信息 </source>
            <translation>Game Information</translation>
        </message>
        <message>
            <source>  完成以第%1名.</source>
            <translation>  Finished in place %1.</translation>
        </message>
        <message>
            <source>  完成以第6th.</source>
            <translation>  Finished in place 6.</translation>
        </message>
        <message>
            <source>   弹珠入樽: [%1/10]</source>
            <translation>   Marbles home: [%1/10]</translation>
        </message>
    </context>
    <context>
        <name>HelpLinks</name>
        <message>
            <source>帮助</source>
            <translation>Help</translation>
        </message>
        <message>
            <source>游戏文件夹中缺少帮助文件：
%1

重新启动游戏（halmora 或 scripts/play.sh）会补上缺少的文件。</source>
            <translation>The help file is missing from the game folder:
%1

Starting the game again (halmora or scripts/play.sh) puts the missing files back.</translation>
        </message>
        <message>
            <source>系统无法打开这个地址：
%1

请用网页浏览器打开它。</source>
            <translation>The system cannot open this address:
%1

Please open it in a web browser.</translation>
        </message>
    </context>
    <context>
        <name>HelpWindow</name>
        <message>
            <source>帮助</source>
            <translation>Help</translation>
        </message>
        <message>
            <source>后退</source>
            <translation>Back</translation>
        </message>
        <message>
            <source>前进</source>
            <translation>Forward</translation>
        </message>
        <message>
            <source>在浏览器中打开</source>
            <translation>Open in Browser</translation>
        </message>
    </context>
    <context>
        <name>InterruptedGame</name>
        <message>
            <source>A game was still in progress when the session ended last time, and was kept. Continue it now?

If not, it stays in the game folder as "%1", for Open Game.</source>
            <translation>A game was still in progress when the session ended last time, and was kept. Continue it now?

If not, it stays in the game folder as "%1", for Open Game.</translation>
        </message>
    </context>
    <context>
        <name>Menu</name>
        <message>
            <source>游戏(&amp;G)</source>
            <translation>&amp;Game</translation>
        </message>
        <message>
            <source>新的游戏(&amp;N)...</source>
            <translation>&amp;New Game...</translation>
        </message>
        <message>
            <source>重新开始游戏(&amp;R)   </source>
            <translation>&amp;Restart Game</translation>
        </message>
        <message>
            <source>暂停游戏      </source>
            <translation>&amp;Pause Game</translation>
        </message>
        <message>
            <source>继续游戏(&amp;C)      </source>
            <translation>&amp;Continue Game</translation>
        </message>
        <message>
            <source>打开游戏...     </source>
            <translation>&amp;Open Game...</translation>
        </message>
        <message>
            <source>保存游戏(&amp;S)...  </source>
            <translation>&amp;Save Game...</translation>
        </message>
        <message>
            <source>退出(&amp;E)</source>
            <translation>E&amp;xit</translation>
        </message>
        <message>
            <source>选项(&amp;O)  </source>
            <translation>&amp;Options</translation>
        </message>
        <message>
            <source>取消移动(&amp;U)  </source>
            <translation>&amp;Undo Move</translation>
        </message>
        <message>
            <source>重做移动(&amp;R)  </source>
            <translation>&amp;Redo Move</translation>
        </message>
        <message>
            <source>建议移动(&amp;S)     </source>
            <translation>&amp;Suggest Move</translation>
        </message>
        <message>
            <source>强制移动(&amp;F)   </source>
            <translation>&amp;Force Move</translation>
        </message>
        <message>
            <source>转动棋盘向左           </source>
            <translation>Rotate Board Left</translation>
        </message>
        <message>
            <source>转动棋盘向右            </source>
            <translation>Rotate Board Right</translation>
        </message>
        <message>
            <source>查看统计(&amp;V)...        </source>
            <translation>&amp;View Statistics...</translation>
        </message>
        <message>
            <source>棋盘设定(&amp;B)...       </source>
            <translation>&amp;Board Settings...</translation>
        </message>
        <message>
            <source>声音设定...          </source>
            <translation>Soun&amp;d Settings...</translation>
        </message>
        <message>
            <source>选取壁纸(&amp;P)...       </source>
            <translation>Choose Wall&amp;paper...</translation>
        </message>
        <message>
            <source>键盘快捷键(&amp;K)</source>
            <translation>&amp;Keyboard Shortcuts</translation>
        </message>
        <message>
            <source>原样的文字(中文和英文)</source>
            <translation>Original Texts (Chinese and English)</translation>
        </message>
        <message>
            <source>互联网(&amp;I)  </source>
            <translation>&amp;Internet</translation>
        </message>
        <message>
            <source>在线支持          </source>
            <translation>Online Support</translation>
        </message>
        <message>
            <source>访问网站(&amp;V)      </source>
            <translation>&amp;Visit Website</translation>
        </message>
        <message>
            <source>帮助(&amp;H)</source>
            <translation>&amp;Help</translation>
        </message>
        <message>
            <source>帮助(&amp;H)..</source>
            <translation>&amp;Help...</translation>
        </message>
        <message>
            <source>如何玩游戏...      </source>
            <translation>How to Play...</translation>
        </message>
        <message>
            <source>游戏历史(&amp;G)...     </source>
            <translation>&amp;Game History...</translation>
        </message>
        <message>
            <source>关於(&amp;A)...</source>
            <translation>&amp;About...</translation>
        </message>
    </context>
    <context>
        <name>Messages</name>
        <message>
            <source>About the statistics file:</source>
            <translation>About the statistics file:</translation>
        </message>
        <message>
            <source>The game could not be opened.</source>
            <translation>The game could not be opened.</translation>
        </message>
        <message>
            <source>The game could not be saved.</source>
            <translation>The game could not be saved.</translation>
        </message>
        <message>
            <source>A damaged data file was found and kept aside.</source>
            <translation>A damaged data file was found and kept aside.</translation>
        </message>
    </context>
    <context>
        <name>MouseInputPage</name>
        <message>
            <source>"拖曳和落下" 弹珠移动</source>
            <translation>"Drag and drop" marble movement</translation>
        </message>
        <message>
            <source>" 连接迹点 " 弹珠移动 (单击设定每步移动,用双击执行完全的动作。)</source>
            <translation>"Connect the dots" marble movement (click to set each step, double-click to make the whole move.)</translation>
        </message>
        <message>
            <source>当鼠标在弹珠之上悬停时，显示所有的可能动作。</source>
            <translation>Show all possible moves while the mouse hovers over a marble.</translation>
        </message>
        <message>
            <source>弹珠移动</source>
            <translation>Marble Movement</translation>
        </message>
        <message>
            <source>鼠标输入 </source>
            <translation>Mouse Input</translation>
        </message>
    </context>
    <context>
        <name>NewGameSheet</name>
        <message>
            <source>不能开始游戏    </source>
            <translation>Cannot Start the Game</translation>
        </message>
        <message>
            <source>          你无法开始一个游戏以没有玩家.   这里必须是2, 3, 4, 或6 个玩家      .</source>
            <translation>You cannot start a game with no players. There must be 2, 3, 4 or 6 players.</translation>
        </message>
        <message>
            <source>             你无法开始一个游戏以唯一的玩家.   这里必须是2, 3, 4, 或6 个玩家      .</source>
            <translation>You cannot start a game with only one player. There must be 2, 3, 4 or 6 players.</translation>
        </message>
        <message>
            <source>         你无法开始一个游戏以5 个玩家.   这里必须是2, 3, 4, 或6 个玩家      .</source>
            <translation>You cannot start a game with 5 players. There must be 2, 3, 4 or 6 players.</translation>
        </message>
        <message>
            <source>新的游戏</source>
            <translation>New Game</translation>
        </message>
        <message>
            <source>玩家设置 </source>
            <translation>Player Setup</translation>
        </message>
        <message>
            <source>计时器设置 </source>
            <translation>Timer Settings</translation>
        </message>
        <message>
            <source>确定</source>
            <translation>OK</translation>
        </message>
        <message>
            <source>取消</source>
            <translation>Cancel</translation>
        </message>
    </context>
    <context>
        <name>PlayerNameDialog</name>
        <message>
            <source>请进入一个新的玩家名字指定控制那当前颜色棋子。</source>
            <translation>Please enter the name of a new player to control the marbles of the current colour.</translation>
        </message>
        <message>
            <source> 请为这个玩家输入一个名字          .</source>
            <translation>Please enter a name for this player.</translation>
        </message>
        <message>
            <source>玩家名字   </source>
            <translation>Player Name</translation>
        </message>
        <message>
            <source> 输入当前玩家的名字   </source>
            <translation>Enter the Current Player's Name</translation>
        </message>
        <message>
            <source>确定</source>
            <translation>OK</translation>
        </message>
        <message>
            <source>取消</source>
            <translation>Cancel</translation>
        </message>
    </context>
    <context>
        <name>PlayerPickerDialog</name>
        <message>
            <source>请选择一个玩家名字指定控制当前颜色棋子, 或按下 </source>
            <translation>Please choose the name of the player to control the marbles of the current colour, or press </translation>
        </message>
        <message>
            <source> 新的玩家 </source>
            <translation> New Player </translation>
        </message>
        <message>
            <source> 输入一个新的玩家名字。</source>
            <translation> to enter the name of a new player.</translation>
        </message>
        <message>
            <source>    请创建一个新的玩家或者选择一个现有的玩家            </source>
            <translation>Please create a new player or choose an existing one.</translation>
        </message>
        <message>
            <source>玩家名字   </source>
            <translation>Player Name</translation>
        </message>
        <message>
            <source>确定</source>
            <translation>OK</translation>
        </message>
        <message>
            <source>新的玩家</source>
            <translation>New Player</translation>
        </message>
        <message>
            <source>当前玩家的名字  </source>
            <translation>Current Player's Name</translation>
        </message>
    </context>
    <context>
        <name>PlayerSetupPage</name>
        <message>
            <source>红色:</source>
            <translation>Red:</translation>
        </message>
        <message>
            <source>橙色:</source>
            <translation>Orange:</translation>
        </message>
        <message>
            <source>绿色:</source>
            <translation>Green:</translation>
        </message>
        <message>
            <source>黄色:</source>
            <translation>Yellow:</translation>
        </message>
        <message>
            <source>紫色:</source>
            <translation>Purple:</translation>
        </message>
        <message>
            <source>蓝色:</source>
            <translation>Blue:</translation>
        </message>
        <message>
            <source>自定义游戏 </source>
            <translation>Custom Game</translation>
        </message>
        <message>
            <source>一个人类玩家对一个电脑玩家(初)</source>
            <translation>One human against one computer (novice)</translation>
        </message>
        <message>
            <source>一个人类玩家对两个电脑玩家(初)</source>
            <translation>One human against two computers (novice)</translation>
        </message>
        <message>
            <source>一个人类玩家对三个电脑玩家(初)</source>
            <translation>One human against three computers (novice)</translation>
        </message>
        <message>
            <source>一个人类玩家对五个电脑玩家(初)</source>
            <translation>One human against five computers (novice)</translation>
        </message>
        <message>
            <source>一个人类玩家对一个电脑玩家(高级)</source>
            <translation>One human against one computer (advanced)</translation>
        </message>
        <message>
            <source>一个人类玩家对两个电脑玩家(高级)</source>
            <translation>One human against two computers (advanced)</translation>
        </message>
        <message>
            <source>一个人类玩家对三个电脑玩家(高级)</source>
            <translation>One human against three computers (advanced)</translation>
        </message>
        <message>
            <source>一个人类玩家对五个电脑玩家(高级)</source>
            <translation>One human against five computers (advanced)</translation>
        </message>
        <message>
            <source>快速游戏设置:</source>
            <translation>Quick game setup:</translation>
        </message>
        <message>
            <source>玩家类型:</source>
            <translation>Player types:</translation>
        </message>
        <message>
            <source>* 玩家将会被要求在游戏启动时输入他们的名字。</source>
            <translation>* Players will be asked for their names when the game starts.</translation>
        </message>
    </context>
    <context>
        <name>SoundDialog</name>
        <message>
            <source>消除全部游戏声音</source>
            <translation>Turn off all game sounds</translation>
        </message>
        <message>
            <source>声音设定 </source>
            <translation>Sound Settings</translation>
        </message>
    </context>
    <context>
        <name>SplashWindow</name>
        <message>
            <source>2005 Edition</source>
            <translation>2005 Edition</translation>
        </message>
        <message>
            <source>Version </source>
            <translation>Version </translation>
        </message>
    </context>
    <context>
        <name>StartupScreen</name>
        <message>
            <source>开始一个新的游戏</source>
            <translation>Start a New Game</translation>
        </message>
        <message>
            <source>启动这新的游戏配置窗口。         </source>
            <translation>Opens the window that sets up a new game.</translation>
        </message>
        <message>
            <source>继续一个保存的游戏 </source>
            <translation>Continue a Saved Game</translation>
        </message>
        <message>
            <source>从一个*.hlm 文件继续先前保存的游戏。             </source>
            <translation>Continue a game saved earlier in a *.hlm file.</translation>
        </message>
        <message>
            <source>查看统计信息   </source>
            <translation>View Statistics</translation>
        </message>
        <message>
            <source>详细查看你最近的游戏统计信息。                 </source>
            <translation>See the statistics of your recent games in detail.</translation>
        </message>
        <message>
            <source>更改我的精美壁纸图片 </source>
            <translation>Change My Wallpaper</translation>
        </message>
        <message>
            <source>改变这背景壁纸到另一个图像或颜色。                        </source>
            <translation>Change the background wallpaper to another picture or colour.</translation>
        </message>
        <message>
            <source>检查游戏更新内容 </source>
            <translation>Check for Game Updates</translation>
        </message>
        <message>
            <source>在线检查新的游戏升级，请确定你首先被连接到英特网。                                           </source>
            <translation>Check for a newer version of the game.</translation>
        </message>
        <message>
            <source>Version </source>
            <translation>Version </translation>
        </message>
    </context>
    <context>
        <name>StatsWindow</name>
        <message>
            <source>Player Statistics</source>
            <translation>Player Statistics</translation>
        </message>
        <message>
            <source>Player Record Not Deleted</source>
            <translation>Player Record Not Deleted</translation>
        </message>
        <message>
            <source>游戏统计 </source>
            <translation>Game Statistics</translation>
        </message>
        <message>
            <source>关闭</source>
            <translation>Close</translation>
        </message>
        <message>
            <source>删除玩家</source>
            <translation>Delete</translation>
        </message>
        <message>
            <source>请选择你的名字:</source>
            <translation>Please choose your name:</translation>
        </message>
        <message>
            <source>Date</source>
            <translation>Date</translation>
        </message>
        <message>
            <source>Opponents</source>
            <translation>Opponents</translation>
        </message>
        <message>
            <source>Rating</source>
            <translation>Rating</translation>
        </message>
        <message>
            <source>Result</source>
            <translation>Result</translation>
        </message>
        <message>
            <source>The statistics file could not be read completely (%1). Only what could be read is shown.</source>
            <translation>The statistics file could not be read completely (%1). Only what could be read is shown.</translation>
        </message>
        <message>
            <source>Current Rating: %1</source>
            <translation>Current Rating: %1</translation>
        </message>
        <message>
            <source>Games Played: %1</source>
            <translation>Games Played: %1</translation>
        </message>
        <message>
            <source>Games Won: %1 (%2%)</source>
            <translation>Games Won: %1 (%2%)</translation>
        </message>
        <message>
            <source>Games Lost: %1 (%2%)</source>
            <translation>Games Lost: %1 (%2%)</translation>
        </message>
        <message>
            <source>Are you sure you want to delete all the game records for %1?</source>
            <translation>Are you sure you want to delete all the game records for %1?</translation>
        </message>
        <message>
            <source>Confirm Player Record Deletion</source>
            <translation>Confirm Player Record Deletion</translation>
        </message>
        <message>
            <source>Could not delete record: the statistics file could not be read completely (%1), so it is left as it is.</source>
            <translation>Could not delete record: the statistics file could not be read completely (%1), so it is left as it is.</translation>
        </message>
        <message>
            <source>Could not delete record.</source>
            <translation>Could not delete record.</translation>
        </message>
        <message>
            <source>Could not delete record: the statistics file could not be written (%1).</source>
            <translation>Could not delete record: the statistics file could not be written (%1).</translation>
        </message>
        <message>
            <source>Record has been deleted.</source>
            <translation>Record has been deleted.</translation>
        </message>
        <message>
            <source>Player Record Deleted</source>
            <translation>Player Record Deleted</translation>
        </message>
        <message>
            <source>Win</source>
            <translation>Win</translation>
        </message>
        <message>
            <source>Loss</source>
            <translation>Loss</translation>
        </message>
        <message>
            <source>AM</source>
            <translation>AM</translation>
        </message>
        <message>
            <source>PM</source>
            <translation>PM</translation>
        </message>
    </context>
    <context>
        <name>StatusBar</name>
        <message>
            <source>游戏退出.     </source>
            <translation>Game over.</translation>
        </message>
        <message>
            <source>2nd</source>
            <translation>2nd</translation>
        </message>
        <message>
            <source>3rd</source>
            <translation>3rd</translation>
        </message>
        <message>
            <source>4th</source>
            <translation>4th</translation>
        </message>
        <message>
            <source>5th</source>
            <translation>5th</translation>
        </message>
        <message>
            <source>6th</source>
            <translation>6th</translation>
        </message>
        <message>
            <source>Game Time </source>
            <translation>Game Time </translation>
        </message>
        <message>
            <source>Turns Played: %1</source>
            <translation>Turns Played: %1</translation>
        </message>
        <message>
            <source>(%1) %2's turn</source>
            <translation>(%1) %2's turn</translation>
        </message>
        <message>
            <source> - Time Remaining </source>
            <translation> - Time Remaining </translation>
        </message>
        <message>
            <source>%1 wins</source>
            <translation>%1 wins</translation>
        </message>
    </context>
    <context>
        <name>Surface</name>
        <message>
            <source> could not be loaded!</source>
            <translation> could not be loaded!</translation>
        </message>
        <message>
            <source> could not be loaded! (CTransparentSurface)</source>
            <translation> could not be loaded! (CTransparentSurface)</translation>
        </message>
        <message>
            <source> image and mask not the same size! (CTransparentSurface)</source>
            <translation> image and mask not the same size! (CTransparentSurface)</translation>
        </message>
    </context>
    <context>
        <name>TimerPage</name>
        <message>
            <source>Please give each time as a whole number, in digits only.</source>
            <translation>Please give each time as a whole number, in digits only.</translation>
        </message>
        <message>
            <source>With the timer on, the starting time and the time added per move cannot both be 0.</source>
            <translation>With the timer on, the starting time and the time added per move cannot both be 0.</translation>
        </message>
        <message>
            <source>使用计时器</source>
            <translation>Use the timer</translation>
        </message>
        <message>
            <source>分</source>
            <translation>min</translation>
        </message>
        <message>
            <source>秒</source>
            <translation>s</translation>
        </message>
        <message>
            <source>最初的时间:</source>
            <translation>Starting time:</translation>
        </message>
        <message>
            <source>每步移动附加的时间:</source>
            <translation>Time added per move:</translation>
        </message>
    </context>
    <context>
        <name>ToolBar</name>
        <message>
            <source>New</source>
            <translation>New</translation>
        </message>
        <message>
            <source>Restart</source>
            <translation>Restart</translation>
        </message>
        <message>
            <source>撤销</source>
            <translation>Undo</translation>
        </message>
        <message>
            <source>重做</source>
            <translation>Redo</translation>
        </message>
        <message>
            <source>提示</source>
            <translation>Hint</translation>
        </message>
        <message>
            <source>强制 </source>
            <translation>Force</translation>
        </message>
        <message>
            <source>统计 </source>
            <translation>Stats</translation>
        </message>
        <message>
            <source>帮助</source>
            <translation>Help</translation>
        </message>
    </context>
    <context>
        <name>View</name>
        <message>
            <source>Halmora 汉化版    </source>
            <translation>Halmora</translation>
        </message>
    </context>
    <context>
        <name>WallpaperDialog</name>
        <message>
            <source>拉伸位图以适合窗口</source>
            <translation>Stretch to fit the window</translation>
        </message>
        <message>
            <source>选取壁纸 </source>
            <translation>Choose Wallpaper</translation>
        </message>
        <message>
            <source>壁纸预览</source>
            <translation>Wallpaper Preview</translation>
        </message>
        <message>
            <source>载入位图文件...</source>
            <translation>Load Picture File...</translation>
        </message>
        <message>
            <source>改变颜色成</source>
            <translation>Change to Colour...</translation>
        </message>
        <message>
            <source>确定</source>
            <translation>OK</translation>
        </message>
        <message>
            <source>取消</source>
            <translation>Cancel</translation>
        </message>
        <message>
            <source>The path of this file is too long for a wallpaper.</source>
            <translation>The path of this file is too long for a wallpaper.</translation>
        </message>
    </context>
</TS>
